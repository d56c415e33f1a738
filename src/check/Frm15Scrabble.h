#pragma once
// The Scrabble window: is the typed word admitted in Scrabble tournaments, and what is it
// worth; the dictionary check with fewer lines.

#include "check/WordCheckForm.h"

namespace zorvane::check {

class Frm15Scrabble final : public WordCheckForm {
    Q_OBJECT
public:
    // The load handler: builds the window with an empty result.
    explicit Frm15Scrabble(ui::ToolContext& context);

private:
    void TxtCtrlChange();
    void CmdCtrlClick();
    void TimChercheTick();
    void ShowResult(const WordCheckResult& result);

    bool notAdmitted_ = false; // the last word exists but is refused: no points for it
};

} // namespace zorvane::check
