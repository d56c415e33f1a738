#pragma once
// The options window: the two colours of the main window, shown at once and saved only on
// request.

#include "ui/ToolContext.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace zorvane::app {

class Frm04Options final : public QWidget {
    Q_OBJECT
public:
    // applyColours repaints the main window from CouleurFenetre and CouleurBarre.
    Frm04Options(ui::ToolContext& context, std::function<void()> applyColours);

    QGroupBox* Fra2;
    QLabel* LblColor1;
    QLabel* LblColor2;
    QPushButton* CmdCoulFenetre;
    QPushButton* chameleonButton1;
    QPushButton* CmdDefaut;
    QPushButton* CmdEnregistre;
    QPushButton* CmdAnnule;
    QPushButton* Foc;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChooseColour(QLabel* sample, std::string& colourText);
    void CmdDefautClick();
    void Save();
    void Restore();
    void ShowColours();

    ui::ToolContext& context_;
    std::function<void()> applyColours_;
    bool changed_ = false;
    std::string openedFenetre_;
    std::string openedBarre_;
};

} // namespace zorvane::app
