#pragma once
// The contact form: the user writes to the maker, and on sending the form hands the
// message to the user's own mail program as a mailto: link. It shows itself 500 ms after
// it is created and closes itself 3 seconds after a send.

#include "ui/ToolContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

namespace zorvane::app {

class FrmMail final : public QWidget {
    Q_OBJECT
public:
    // owner (the main about window) places the form; parent (the main window) holds it, so
    // that it outlives the about window with what the user typed. It is shown by TimDeb.
    explicit FrmMail(ui::ToolContext& context, QWidget* owner = nullptr, QWidget* parent = nullptr);

    // The required fields in the order they are checked, and their marks.
    enum Field { Nom, Pre, Obj, Rem };

    QLabel* LblLogo;
    QLabel* LblInfo1;
    QLabel* LblInfo2;
    QLabel* LblInfo3;
    QLineEdit* TxtNom = nullptr;
    QLineEdit* TxtPre = nullptr;
    QLineEdit* TxtObj = nullptr;
    QPlainTextEdit* TxtRem = nullptr;
    std::array<QLabel*, 4> ImgF{};
    QLineEdit* TxtAdresse = nullptr;
    QPushButton* CmdMail;
    QPushButton* CmdAnnule;
    QLineEdit* Foc;
    std::unique_ptr<ui::Timer> TimDeb;
    std::unique_ptr<ui::Timer> TimEnd;

    // The send button's click: checks the four fields, then hands the message over.
    void CmdMailClick();

private:
    void BuildFields();
    void FieldChanged(Field field, bool mayEnable);
    QString FieldText(Field field) const;
    QWidget* FieldBox(Field field) const;

    ui::ToolContext& context_;
};

} // namespace zorvane::app
