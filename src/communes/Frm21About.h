#pragma once
// The communes' about window: what the commune data hold, and the maker's web site. The
// communes window stays disabled while it is open.

#include "ui/ToolContext.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <array>

namespace zorvane::communes {

class Frm21About final : public QDialog {
    Q_OBJECT
public:
    // Placed over the main window that holds owner, which it disables until it closes.
    Frm21About(ui::ToolContext& context, QWidget* owner);
    // Closing (Fermer, Enter, Escape or the close box) deletes the window and enables the
    // owner again.
    ~Frm21About() override;

    QLabel* Image2;
    std::array<QLabel*, 6> Lbl{};
    QPushButton* CmdSite;
    QPushButton* CmdQ;
    QPushButton* CmdFoc;

private:
    void PlaceOverMainWindow();

    ui::ToolContext& context_;
    QPointer<QWidget> owner_;
};

} // namespace zorvane::communes
