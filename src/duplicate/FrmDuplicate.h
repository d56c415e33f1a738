#pragma once
// The duplicate game window: the board, the draw, the move the player types (on the board or
// as "H4 MOTS") with its score shown before it is proposed, the countdown of the move, the
// best moves once it is over with the player's move marked, the score sheet and its totals.
// Games start with a seed (so they can be replayed), save to and reopen from a text file and
// export their score sheet as CSV; closing with a game not saved asks first.

#include "duplicate/BoardView.h"
#include "duplicate/DrawView.h"
#include "duplicate/DuplicateGame.h"
#include "ui/FileChooser.h"
#include "ui/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <memory>

namespace zorvane::duplicate {

class FrmAnalyse;
class FrmOptions;

class FrmDuplicate final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTopsShown = 20;

    // The window shows at once; loadWords runs 100 ms later, behind a waiting state, and
    // gives the admitted words (nothing when the program is ending).
    using WordsLoader = std::function<const data::WordGraph*()>;
    FrmDuplicate(ui::Platform& platform, ui::FileChooser& files, WordsLoader loadWords);
    ~FrmDuplicate() override;

    // Opens a saved game, as Ctrl+O does once the file is chosen; false when it is refused.
    // Before the words are loaded, the game opens once they are.
    bool OpenFile(const QString& path);

    BoardView* PicPlateau;
    QWidget* FraPartie = nullptr; // everything beside the board
    QLabel* LblGraine = nullptr;
    QLineEdit* TxtGraine = nullptr;
    QPushButton* CmdNouvelle = nullptr;
    QPushButton* CmdOuvrir = nullptr;
    QPushButton* CmdEnregistrer = nullptr;
    QPushButton* CmdExporter = nullptr;
    QPushButton* CmdAnalyse = nullptr;
    QPushButton* CmdOptions = nullptr;
    QLabel* LblPartie = nullptr;
    QLabel* LblTemps = nullptr;
    QLabel* LblTirage = nullptr;
    DrawView* PicTirage = nullptr;
    QLabel* LblCoup = nullptr;
    QLineEdit* TxtCoup = nullptr;
    QPushButton* CmdProposer = nullptr;
    QLabel* LblPoints = nullptr;
    QLabel* LblPropose = nullptr;
    QPushButton* CmdValider = nullptr;
    QPushButton* CmdSuivant = nullptr;
    QLabel* LblTops = nullptr;
    QListWidget* LstTops = nullptr;
    QLabel* LblFeuille = nullptr;
    QTableWidget* GrdFeuille = nullptr;
    QLabel* LblTotal = nullptr;
    std::unique_ptr<ui::Timer> TimCharge;
    std::unique_ptr<ui::Timer> TimCompte;

    // Where a new game's seed comes from when none is typed.
    std::function<std::uint32_t()> NewSeed;

    const DuplicateGame* Game() const { return game_.get(); }
    FrmAnalyse* AnalyseWindow() const { return analyse_.get(); }
    FrmOptions* OptionsWindow() const { return options_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands(QWidget* panel);
    void BuildMoveRow(QWidget* panel);
    void BuildResults(QWidget* panel);
    void AddShortcut(const QKeySequence& keys, QPushButton* button);
    void TimChargeTick();

    // The play (FrmDuplicatePlay.cpp).
    void NewGameClick();
    void StartGame(std::unique_ptr<DuplicateGame> game);
    void ShowDraw();
    void EntryChanged();
    void ShowHint();
    void BoardEntryChanged(const QString& entry);
    void ProposeClick();
    void ValiderClick();
    void SuivantClick();
    void TimCompteTick();
    void ShowTime();
    void ShowTops(const std::vector<board::Move>& ranked, const std::optional<board::Move>& player);
    void ShowSheet();
    void ShowGameLine();
    void SetPlaying(bool playing);

    // Files (FrmDuplicateFiles.cpp).
    void OpenClick();
    bool SaveClick();
    void ExportClick();
    // Whether what is on the board may go: saved, not wanted, or nothing to lose.
    bool MayLeaveGame();
    bool WriteFile(const QString& path, const QByteArray& bytes);

    void AnalyseClick();
    void OptionsClick();
    int MoveSeconds() const;
    int Ask(const QString& text, ui::Buttons buttons, ui::Icon icon);

    ui::Platform& platform_;
    ui::FileChooser& files_;
    WordsLoader loadWords_;
    const data::WordGraph* words_ = nullptr;
    QString openWhenLoaded_;
    std::unique_ptr<DuplicateGame> game_;
    std::optional<board::Move> proposed_;
    // The last move closed, for the analysis: its position and draw.
    board::Position studied_;
    std::string studiedDraw_;
    int secondsLeft_ = 0;
    bool moveOpen_ = false; // the countdown runs and a move may be proposed
    bool saved_ = true;     // nothing played since the last save or opening
    QString path_;          // the game's file, once saved or opened
    std::unique_ptr<FrmAnalyse> analyse_;
    std::unique_ptr<FrmOptions> options_;
};

} // namespace zorvane::duplicate
