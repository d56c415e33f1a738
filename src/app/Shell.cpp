#include "app/Shell.h"

#include "app/Frm01Boot.h"
#include "app/MDI.h"
#include "data/WordLoading.h"

namespace zorvane::app {

Shell::Shell(ui::Platform& platform) : platform_(platform) {}

Shell::~Shell() {
    delete boot_;
    delete mdi_;
}

bool Shell::Start() {
    boot_ = new Frm01Boot(platform_, values_, [this] { LoadWordsAndShowMain(); });
    return boot_->Load();
}

void Shell::LoadWordsAndShowMain() {
    data::WordLoading loading(platform_, values_.TitreAppli, store_);
    if (!loading.Dictionary() || !loading.AnagramList()) {
        return;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!loading.SynonymLetter(letter)) {
            return;
        }
    }
    mdi_ = new MDI(platform_, values_);
    mdi_->Load();
    mdi_->show();
}

} // namespace zorvane::app
