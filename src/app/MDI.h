#pragma once
// The main window: a multiple-document frame whose client area holds the tool windows,
// with the tool bar along its top.

#include "app/StartupValues.h"
#include "ui/Platform.h"

#include <QMainWindow>
#include <QMdiArea>

namespace zorvane::app {

class MDI final : public QMainWindow {
    Q_OBJECT
public:
    MDI(ui::Platform& platform, StartupValues& values);

    // Colours, size and centring; then the focus goes to the tool bar after 100 ms.
    void Load();
    // Applies CouleurFenetre to the client area and CouleurBarre to the tool bar.
    void ApplyColours();
    // The quit question; true when the answer was not No.
    bool AskQuit();

    QMdiArea* Area;
    QWidget* PicCmd;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ui::Platform& platform_;
    StartupValues& values_;
};

} // namespace zorvane::app
