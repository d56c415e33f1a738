#pragma once
// The main window: a multiple-document frame whose client area holds the tool windows,
// with the tool bar PicCmd along its top. Each tool window exists at most once.

#include "app/Tools.h"
#include "data/StartupValues.h"
#include "ui/Platform.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QToolButton>
#include <functional>
#include <map>

namespace zorvane::app {

// Makes the form of a tool window; the form is loaded (its load handler run) on creation.
using ToolFactory = std::function<QWidget*(Tool)>;

class MDI final : public QMainWindow {
    Q_OBJECT
public:
    MDI(ui::Platform& platform, data::StartupValues& values, ToolFactory makeTool);

    // Colours, size and centring; TimDem parks the focus on Foc 100 ms later, and brings the
    // frame back inside the screen if the window manager's frame is larger than guessed.
    void Load();
    // CouleurFenetre on the client area, CouleurBarre on the tool bar.
    void ApplyColours();

    // A tool-bar click: shows the window, or brings it to the front when it is visible.
    void OpenTool(Tool tool);
    // The tool's form while it is loaded, else null.
    QWidget* ToolForm(Tool tool) const;
    std::int16_t PosCascade() const { return posCascade_; }

    QMdiArea* Area;
    QWidget* PicCmd;
    QLineEdit* Foc;
    QToolButton* CmdQ;
    std::map<Tool, QToolButton*> ToolButtonOf;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolBar();
    void KeepOnScreen();
    QPoint CascadePlace(const QSize& window) const;
    bool AskQuit();
    void CmdQClick();

    ui::Platform& platform_;
    data::StartupValues& values_;
    ToolFactory makeTool_;
    std::unique_ptr<ui::Timer> TimDem;
    std::map<Tool, QPointer<QWidget>> forms_;
    std::int16_t posCascade_ = 0;
};

} // namespace zorvane::app
