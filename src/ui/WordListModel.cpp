#include "ui/WordListModel.h"

#include "ui/Text.h"

namespace zorvane::ui {

void WordListModel::SetWords(std::vector<std::string> words) {
    beginResetModel();
    words_ = std::move(words);
    endResetModel();
}

int WordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(words_.size());
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return ToQt(words_[static_cast<std::size_t>(index.row())]);
}

} // namespace zorvane::ui
