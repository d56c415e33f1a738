#pragma once
// The program's run: splash window, loading screen, main window; and what they share.

#include "anagram/PackedIndex.h"
#include "app/Frm01Boot.h"
#include "app/Frm02Charge.h"
#include "app/FrmMail.h"
#include "app/MDI.h"
#include "ui/ToolContext.h"

#include <QPointer>

namespace zorvane::app {

class Shell {
public:
    explicit Shell(ui::Platform& platform);
    ~Shell();

    // Loads the splash window; false when this copy ends at once.
    bool Start();

    const data::StartupValues& Values() const { return values_; }
    const data::WordStore& Store() const { return store_; }
    const anagram::AnagramIndex& Index() const { return index_; }
    Frm01Boot* SplashWindow() const { return boot_; }
    MDI* MainWindow() const { return mdi_; }
    Frm02Charge* LoadingScreen() const { return charge_; }

private:
    void ShowLoadingScreen();
    void ShowMainWindow();
    QWidget* MakeTool(Tool tool);
    void ShowContactForm(QWidget* owner);

    ui::Platform& platform_;
    data::StartupValues values_;
    data::WordStore store_;
    anagram::AnagramIndex index_;
    anagram::SharedPackedIndex packedIndex_;
    ui::ToolContext context_{platform_, values_, store_};
    QPointer<Frm01Boot> boot_;
    QPointer<Frm02Charge> charge_;
    QPointer<MDI> mdi_;
    QPointer<FrmMail> mail_;
};

} // namespace zorvane::app
