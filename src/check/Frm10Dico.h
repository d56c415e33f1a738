#pragma once
// The dictionary window: is the typed word in the dictionary, with its part of speech, its
// definition, its Scrabble admission and points; the word and its definition can be copied.

#include "check/WordCheckForm.h"

#include <optional>

namespace zorvane::check {

class Frm10Dico final : public WordCheckForm {
    Q_OBJECT
public:
    // The load handler: builds the window with its heading and an empty result.
    explicit Frm10Dico(ui::ToolContext& context);

    QLabel* LblA;
    QLabel* LblDef1; // the matched word, or "Ce mot existe dans le dictionnaire."
    QLabel* LblDef2; // the part of speech
    QPushButton* CmdCop;
    QLabel* LblCop1;
    QLabel* LblCop2;

protected:
    // Letters only, typed or pasted; the focus leaving the word box takes Enter from CmdCtrl.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();

    void TxtCtrlChange();
    void CmdCtrlClick();
    void TimChercheTick();
    void ShowResult(const WordCheckResult& result);
    void CmdCopClick();

    void ClearDefinition();
    void AllowCopy(bool allowed);
    void RefuseCharacter();

    std::int16_t copyCount_ = 0;
    std::optional<WordCheckResult> shown_; // the result on screen, for the copy
};

} // namespace zorvane::check
