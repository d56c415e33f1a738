#pragma once
// The crossword window: a word length chosen in a list, one box per letter with "?" for
// the unknown places, the search in a timer tick once the waiting state has painted, and
// the matching words, copied to the clipboard on a click.

#include "crossword/LengthTable.h"
#include "ui/CheckImage.h"
#include "ui/ToolContext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

namespace zorvane::crossword {

inline constexpr int kLetterBoxes = 12;

class Frm13MotCroix final : public QWidget {
    Q_OBJECT
public:
    explicit Frm13MotCroix(ui::ToolContext& context);
    ~Frm13MotCroix() override;

    QComboBox* CboLMot = nullptr;
    std::array<QLineEdit*, kLetterBoxes + 1> TxtS{}; // TxtS(1) to TxtS(12); place 0 unused
    std::array<QLabel*, kLetterBoxes + 1> LblN{};
    QPushButton* CmdRech1 = nullptr;
    QListWidget* LstCache1 = nullptr;
    QListWidget* LstRech1 = nullptr;
    QLabel* LblRech1 = nullptr;
    std::array<ui::CheckImage*, 2> ImgCochA{};
    QLabel* LblCochA = nullptr;
    std::array<QLabel*, 7> Lbl{};
    QLabel* LblK = nullptr;
    std::unique_ptr<ui::Timer> TimDeb;
    std::unique_ptr<ui::Timer> TimRech1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLetterBoxes();
    void BuildResultAndHelp();
    void ConnectControls();

    void TimDebTick();
    void CboLMotClick(int item);
    void TxtSGotFocus(int box);
    bool TxtSKeyDown(int box, QEvent* event);
    void TxtSChange(int box);
    void CmdRech1Click();
    void TimRech1Tick();
    void LstRech1Click(const QListWidgetItem* item);

    QString StringChange(const QString& text);
    void SubTropEtoile();
    void FocusBox(int box);
    int BoxOf(const QObject* watched) const;
    void ShowTextColour(int box);
    void EnableSearchWhenKnown();
    void ShowFailure(std::string_view placeCode);
    void Tell(const QString& text, ui::Icon icon);

    ui::ToolContext& context_;
    LengthTable lengths_{};
    int length_ = 0;       // the chosen word length, 0 until one is chosen
    QString previousText_; // what the box being typed into held before the key
    bool invalidShown_ = false;
    bool copyNoticeDue_ = true;
    bool refused_ = false;
};

} // namespace zorvane::crossword
