#pragma once
// The program's about window: version, notice, the conditions of use read from
// "Licenceds.rtf" beside the program, and the ways out (web site, certificate, contact).

#include "ui/ToolContext.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>
#include <functional>

namespace zorvane::app {

class Frm20About final : public QWidget {
    Q_OBJECT
public:
    // mainWindow places the window; showContact opens the contact form.
    Frm20About(ui::ToolContext& context, QWidget* mainWindow, std::function<void()> showContact);

    QFrame* FraLoad;
    QLabel* LblUtilitaire;
    QLabel* LblVerB;
    QLabel* LblInf2;
    QTextEdit* Rtb1;
    QLabel* LblCertificat;
    QPushButton* CmdSite;
    QPushButton* CmdContact;
    QPushButton* CmdFerme;
    QPushButton* Foc;
    QLabel* ImgLogoGauche;
    QLabel* ImgIDNN1;
    QLabel* ImgIDNN2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenPage(std::string_view address);

    ui::ToolContext& context_;
};

} // namespace zorvane::app
