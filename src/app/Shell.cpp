#include "app/Shell.h"

#include "anagram/Frm11Ana.h"
#include "app/Frm04Options.h"
#include "app/Frm20About.h"
#include "check/Frm10Dico.h"
#include "check/Frm15Scrabble.h"
#include "communes/Frm14CD.h"
#include "crossword/Frm13MotCroix.h"
#include "nearwords/Frm16Approchant.h"
#include "synonyms/Frm12Syno.h"

namespace zorvane::app {

Shell::Shell(ui::Platform& platform) : platform_(platform) {}

Shell::~Shell() {
    delete boot_;
    delete charge_;
    delete mdi_;
}

bool Shell::Start() {
    boot_ = new Frm01Boot(platform_, values_, [this] { ShowLoadingScreen(); });
    return boot_->Load();
}

void Shell::ShowLoadingScreen() {
    charge_ = new Frm02Charge(platform_, values_, store_, index_, [this] { ShowMainWindow(); });
    charge_->Load();
}

void Shell::ShowMainWindow() {
    mdi_ = new MDI(platform_, values_, [this](Tool tool) { return MakeTool(tool); });
    mdi_->Load();
    mdi_->show();
}

// One contact form at a time; it shows itself once its opening delay has run.
void Shell::ShowContactForm(QWidget* owner) {
    if (mail_ != nullptr) {
        mail_->raise();
        mail_->activateWindow();
        return;
    }
    mail_ = new FrmMail(context_, owner, mdi_);
}

QWidget* Shell::MakeTool(Tool tool) {
    switch (tool) {
    case Tool::Options:
        return new Frm04Options(context_, [this] { mdi_->ApplyColours(); });
    case Tool::Dico:
        return new check::Frm10Dico(context_);
    case Tool::Scrabble:
        return new check::Frm15Scrabble(context_);
    case Tool::Approchant:
        return new nearwords::Frm16Approchant(context_);
    case Tool::CodPos:
        return new communes::Frm14CD(context_);
    case Tool::Ana:
        return new anagram::Frm11Ana(context_, index_, packedIndex_);
    case Tool::MotCroix:
        return new crossword::Frm13MotCroix(context_);
    case Tool::Syno:
        return new synonyms::Frm12Syno(context_);
    case Tool::About:
        return new Frm20About(context_, mdi_,
                              [this] { ShowContactForm(mdi_->ToolForm(Tool::About)); });
    }
    return nullptr; // not reached: every tool has its window above
}

} // namespace zorvane::app
