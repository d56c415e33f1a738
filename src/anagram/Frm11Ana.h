#pragma once
// The anagram window: the user types a draw of up to 12 letters, one of them possibly the
// joker "?", chooses a minimum length and a mandatory letter, and gets every word the draw
// can spell in one list per word length, with the count and the time taken.

#include "ui/CheckImage.h"
#include "ui/ToolContext.h"
#include "ui/WordListModel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTime>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace zorvane::anagram {

struct AnagramResult;
class AnagramIndex;
class SharedPackedIndex;

class Frm11Ana final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFirstLength = 2;
    static constexpr int kLastLength = 12;

    // The load handler: builds the window; TimLoad gives the draw box the focus 100 ms later.
    // The index is the one the loading screen built; packedIndex keeps the search's copy of it.
    Frm11Ana(ui::ToolContext& context, const AnagramIndex& index, SharedPackedIndex& packedIndex);
    ~Frm11Ana() override;

    QLineEdit* TxtCh;
    QLabel* LblN;
    QPushButton* CmdCh;
    QGroupBox* FraOptions;
    std::array<QLabel*, 3> Lbl{}; // (0) joker, (1) mandatory letter, (2) minimum
    QComboBox* Cbo1;
    QLineEdit* Text5;
    std::array<ui::CheckImage*, 2> ImgCochA{}; // (0) empty box, (1) check mark over it
    // Views over models: a search of tens of thousands of words shows at once.
    std::array<QListView*, kLastLength + 1> Lst{}; // (2) ... (12)
    std::array<ui::WordListModel*, kLastLength + 1> LstWords{};
    std::array<QLabel*, kLastLength + 1> Nl{};
    std::array<QLabel*, kLastLength + 1> NR{};
    QListView* LstAna = nullptr;
    ui::WordListModel* LstAnaWords;
    QLabel* LblInfo;
    QLabel* LblT1;
    QLabel* LblT2;
    QLabel* LblRes;
    QLabel* LblWait;
    QLabel* LblA11;
    std::unique_ptr<ui::Timer> TimLoad;
    std::unique_ptr<ui::Timer> TimCherche;

    // The time of day the search times are taken from.
    std::function<QTime()> Clock = [] { return QTime::currentTime(); };

protected:
    // Enter presses CmdCh while it is the default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildDrawRow();
    void BuildOptions();
    void BuildLists();
    QListView* MakeList(const QString& name, ui::WordListModel* words);

    void TimLoadTick();
    void TxtChChange();
    void ImgCochAClick(int index);
    void Text5Change();
    void CmdChClick();
    void TimChercheTick();

    void ShowResults(const AnagramResult& result);
    void SetBackdrop(const QColor& colour);
    void SetListBackground(int length, const QColor& colour);
    void LeaveSearching(); // enabled, white, arrow pointer
    int Ask(const QString& text, ui::Buttons buttons, ui::Icon icon);

    ui::ToolContext& context_;
    const AnagramIndex& index_;
    // The index laid out for the search, built at the first search (behind its waiting state).
    SharedPackedIndex& packedIndex_;
};

} // namespace zorvane::anagram
