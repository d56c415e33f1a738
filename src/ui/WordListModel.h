#pragma once
// A list of words for a list view: the words stay cp1252 bytes and become Qt strings only
// for the rows the view paints, so tens of thousands of them show at once.

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace zorvane::ui {

class WordListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void SetWords(std::vector<std::string> words);
    const std::vector<std::string>& Words() const { return words_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> words_;
};

} // namespace zorvane::ui
