// The duplicate game window on the recording platform with a virtual clock, followed in
// transcripts: a seeded game of three moves played from the keyboard (typed on the board,
// typed as "H4 MOTS", none), ended by the countdown and by "Valider", saved, exported and
// opened again; the messages of illegal moves and the question before a game is lost; the
// analysis window.

#include "duplicate/FrmDuplicate.h"

#include "duplicate/FrmAnalyse.h"
#include "duplicate/FrmOptions.h"
#include "duplicate/GameWordsSample.h"
#include "duplicate/ScoreSheet.h"
#include "support/Drive.h"
#include "support/Transcript.h"
#include "ui/Text.h"
#include "ui/fake/FakeFileChooser.h"

#include <QTemporaryDir>

using namespace zorvane;
using namespace zorvane::testing;
using duplicate::FrmDuplicate;

namespace {

struct Fixture {
    ui::fake::FakePlatform fake;
    ui::fake::FakeFileChooser files;
    data::WordGraph words = SampleGameWords();
    std::unique_ptr<FrmDuplicate> form;

    // The window, loaded, with moves of seconds.
    explicit Fixture(int seconds) {
        fake.settings.values[ui::fake::FakeSettingsStore::Path("ZRVNDUP", "Options", "DureeCoup")] =
            std::to_string(seconds);
        form = Open();
    }

    // Shows the window and lets its words load, as a user finds it a moment after starting.
    bool ShowLoaded() {
        if (!ShowActive(form.get())) {
            return false;
        }
        fake.timers.Advance(100);
        return true;
    }

    std::unique_ptr<FrmDuplicate> Open() {
        auto window =
            std::make_unique<FrmDuplicate>(fake.platform, files, [this] { return &words; });
        window->NewSeed = [] { return 777U; };
        window->resize(1300, 720);
        return window;
    }
};

QString Entry(const board::Move& move) {
    return ui::ToQt(board::WritePlacement(move.placement) + ' ' + move.word);
}

// Types the move on the board as a player does: the cursor to its first new tile with the
// arrows, the direction turned with Space if needed, then its new letters.
void TypeOnBoard(duplicate::BoardView* view, const board::Move& move) {
    const board::Position& position = view->Position();
    int i = 0;
    while (!position.IsEmpty(board::RowOf(move.placement, i), board::ColumnOf(move.placement, i))) {
        ++i;
    }
    const int row = board::RowOf(move.placement, i);
    const int column = board::ColumnOf(move.placement, i);
    view->setFocus();
    for (; view->Cursor().row < row;) {
        Press(Qt::Key_Down);
    }
    for (; view->Cursor().row > row;) {
        Press(Qt::Key_Up);
    }
    for (; view->Cursor().column < column;) {
        Press(Qt::Key_Right);
    }
    for (; view->Cursor().column > column;) {
        Press(Qt::Key_Left);
    }
    if (view->Cursor().direction != move.placement.direction) {
        Press(Qt::Key_Space);
    }
    for (; i < static_cast<int>(move.word.size()); ++i) {
        if (position.IsEmpty(board::RowOf(move.placement, i), board::ColumnOf(move.placement, i))) {
            Type(QString(QChar(move.word[static_cast<std::size_t>(i)])));
        }
    }
}

// The best move that lays no joker (a joker is typed by the board's own choice).
board::Move WithoutJoker(const std::vector<board::Move>& moves, std::size_t from) {
    for (std::size_t i = from; i < moves.size(); ++i) {
        if (std::none_of(moves[i].word.begin(), moves[i].word.end(),
                         [](char c) { return board::IsJokerTile(c); })) {
            return moves[i];
        }
    }
    return moves.back();
}

void NoteSheet(Transcript& t, const FrmDuplicate& form) {
    for (const duplicate::SheetRow& row : duplicate::ScoreSheet(form.Game()->Turns())) {
        t.Note(QStringLiteral("sheet: %1 | %2 | %3 %4 | %5 %6 | %7 %8 %9")
                   .arg(row.number)
                   .arg(ui::ToQt(row.draw), ui::ToQt(row.player))
                   .arg(row.playerScore)
                   .arg(ui::ToQt(row.top))
                   .arg(row.topScore)
                   .arg(row.playerTotal)
                   .arg(row.topTotal)
                   .arg(ui::ToQt(duplicate::PercentText(row.playerTotal, row.topTotal))));
    }
}

void NoteFile(Transcript& t, const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QString& line : QString::fromLatin1(file.readAll()).split('\n')) {
        t.Note(QStringLiteral("file: ") + line);
    }
}

} // namespace

class FrmDuplicateTest : public QObject {
    Q_OBJECT

private slots:
    void seededGameOfThreeMoves() {
        Fixture test(10);
        Transcript t(test.fake);
        FrmDuplicate& form = *test.form;
        QVERIFY(ShowActive(&form));
        t.Step("opened: the words load after 100 ms", {form.LblPartie, form.TxtGraine});
        test.fake.timers.Advance(100);
        t.Step("words loaded");
        t.Window(&form);

        Type("1234");
        Press(Qt::Key_Return);
        t.Step("seed 1234 typed, Enter: the first draw and its countdown",
               {form.LblPartie, form.LblTemps, form.LblTirage, form.LblPropose, form.CmdValider,
                form.CmdSuivant});
        QCOMPARE(Caret(), form.PicPlateau);

        const board::Move first = WithoutJoker(form.Game()->Moves(), 1);
        TypeOnBoard(form.PicPlateau, first);
        t.Step("move 1 typed on the board: its score shows", {form.TxtCoup, form.LblPoints});
        Press(Qt::Key_Return);
        t.Step("Enter proposes it", {form.LblPropose});
        test.fake.timers.Advance(9000);
        t.Step("9 seconds on", {form.LblTemps});
        test.fake.timers.Advance(1000);
        t.Step("time is up: the top is played, the best moves listed",
               {form.LblPartie, form.LblTemps, form.LblPropose, form.LblTops, form.LstTops,
                form.LblTotal, form.CmdSuivant});
        NoteSheet(t, form);

        Press(Qt::Key_Return);
        t.Step("Enter: move 2", {form.LblPartie, form.LblTirage, form.LblTemps});
        const board::Move second = form.Game()->Moves().at(2);
        form.TxtCoup->setFocus();
        Type(Entry(second));
        Press(Qt::Key_Return);
        t.Step("move 2 typed as notation, Enter", {form.TxtCoup, form.LblPoints, form.LblPropose});
        Press(Qt::Key_Return, Qt::ControlModifier);
        t.Step("Ctrl+Enter validates before the time",
               {form.LblPropose, form.LstTops, form.LblTotal});
        NoteSheet(t, form);

        Press(Qt::Key_Return);
        Press(Qt::Key_Return, Qt::ControlModifier);
        t.Step("move 3: nothing proposed, validated",
               {form.LblPropose, form.LstTops, form.LblTotal});
        NoteSheet(t, form);

        QTemporaryDir folder;
        const QString gamePath = folder.filePath(QStringLiteral("partie.txt"));
        const QString sheetPath = folder.filePath(QStringLiteral("feuille.csv"));
        test.files.answers = {gamePath, sheetPath};
        Press(Qt::Key_S, Qt::ControlModifier);
        Press(Qt::Key_E, Qt::ControlModifier);
        t.Step("Ctrl+S, then Ctrl+E");
        for (const QString& asked : test.files.asked) {
            t.Note(QStringLiteral("asked: ") + asked);
        }
        NoteFile(t, gamePath);
        NoteFile(t, sheetPath);
        // The file holds the moves the sheet shows.
        QFile saved(gamePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const auto read = duplicate::ReadGameText(saved.readAll().toStdString());
        QVERIFY(read.game);
        const auto& turns = form.Game()->Turns();
        QCOMPARE(read.game->turns.size(), turns.size());
        for (std::size_t i = 0; i < turns.size(); ++i) {
            QCOMPARE(read.game->turns[i].top, turns[i].top);
            QCOMPARE(read.game->turns[i].player, turns[i].player);
        }

        form.close();
        t.Step("closed once saved: nothing asked");
        QVERIFY(!form.isVisible());

        auto reopened = test.Open();
        QVERIFY(ShowActive(reopened.get()));
        test.fake.timers.Advance(100);
        test.files.answers = {gamePath};
        Press(Qt::Key_O, Qt::ControlModifier);
        t.Step("another window, Ctrl+O: the game goes on at move 4",
               {reopened->LblPartie, reopened->LblTirage, reopened->LblTotal});
        NoteSheet(t, *reopened);
        QCOMPARE(reopened->Game()->SavedText(), form.Game()->SavedText());
        QVERIFY2(t.Matches("duplicate-game"), t.Mismatch());
    }

    void illegalMovesAndTheQuestionBeforeLosingAGame() {
        Fixture test(180);
        QVERIFY(test.ShowLoaded());
        Transcript t(test.fake);
        FrmDuplicate& form = *test.form;
        Press(Qt::Key_N, Qt::ControlModifier);
        t.Step("Ctrl+N without a seed: a seed is drawn", {form.LblPartie, form.LblTirage});
        std::string letters = form.Game()->CurrentDraw()->Tiles();
        std::erase(letters, board::kJoker);
        std::string absent = "Q";
        for (char letter = 'Z'; letters.find(absent) != std::string::npos; --letter) {
            absent = std::string(1, letter);
        }
        const std::string notAdmitted = letters.substr(0, 3);
        QVERIFY(!test.words.Contains(notAdmitted));
        form.TxtCoup->setFocus();
        for (const QString& entry :
             {QStringLiteral("Z9 MOTS"), QStringLiteral("H8"), QStringLiteral("H8 M0TS"),
              QStringLiteral("H8 ") + ui::ToQt(absent + absent),
              QStringLiteral("H1 ") + ui::ToQt(notAdmitted),
              QStringLiteral("H8 ") + ui::ToQt(notAdmitted)}) {
            form.TxtCoup->clear();
            Type(entry);
            t.Step("typed " + entry, {form.LblPoints});
            Press(Qt::Key_Return);
            t.Step("Enter", {form.LblPropose});
        }
        Press(Qt::Key_Return, Qt::ControlModifier);
        Press(Qt::Key_Return);
        const std::vector<board::Move>& moves = form.Game()->Moves();
        const board::Move far = *std::find_if(
            moves.begin(), moves.end(), [](const board::Move& m) { return m.word.size() >= 2; });
        // The same word on the first row touches nothing.
        form.TxtCoup->setFocus();
        form.TxtCoup->clear();
        Type(QStringLiteral("A1 ") + ui::ToQt(far.word));
        Press(Qt::Key_Return);
        t.Step("move 2: a word far from the tiles", {form.LblPoints});

        test.fake.boxes.answers = {ui::kAnswerYes};
        form.close();
        t.Step("closed, Yes to saving, the file chooser cancelled: the window stays");
        QVERIFY(form.isVisible());
        test.fake.boxes.answers = {ui::kAnswerNo};
        form.close();
        t.Step("closed, No: the window goes");
        QVERIFY(!form.isVisible());
        QVERIFY2(t.Matches("duplicate-illegal"), t.Mismatch());
    }

    void analysis() {
        Fixture test(180);
        QVERIFY(test.ShowLoaded());
        Transcript t(test.fake);
        FrmDuplicate& form = *test.form;
        Press(Qt::Key_N, Qt::ControlModifier);
        Press(Qt::Key_F2);
        t.Step("F2 while a move is played: no analysis", {form.CmdAnalyse});
        QVERIFY(form.AnalyseWindow() == nullptr);
        Press(Qt::Key_Return, Qt::ControlModifier);
        Press(Qt::Key_F2);
        duplicate::FrmAnalyse* analyse = form.AnalyseWindow();
        QVERIFY(analyse != nullptr);
        QVERIFY(ShowActive(analyse));
        t.Step("F2 once the move is over: the analysis window, on the move just played");
        t.Window(analyse);
        QString position = ui::ToQt(board::WritePosition({}));
        position.replace(7 * 16 + 3, 4, QStringLiteral("MOTS")); // H4 MOTS
        analyse->TxtPosition->clear();
        Paste(analyse->TxtPosition, position);
        analyse->TxtTirage->setFocus();
        analyse->TxtTirage->clear();
        Type("aeirst");
        Press(Qt::Key_Return);
        t.Step("a position pasted, AEIRST typed, Enter: every move, best first",
               {analyse->LblInfo, analyse->LstCoups});
        QVERIFY(analyse->PicPlateau->ShownMove());
        t.Note(QStringLiteral("shown: ") + Entry(*analyse->PicPlateau->ShownMove()));
        Press(Qt::Key_Down);
        Press(Qt::Key_Down);
        t.Step("two rows down: the third move shown, not played");
        QVERIFY(analyse->PicPlateau->ShownMove());
        t.Note(QStringLiteral("shown: ") + Entry(*analyse->PicPlateau->ShownMove()));
        QCOMPARE(analyse->PicPlateau->Position().TileCount(), 4);
        analyse->TxtTirage->setFocus();
        analyse->TxtTirage->setText(QStringLiteral("AB??C?"));
        Press(Qt::Key_Return);
        t.Step("three jokers refused", {analyse->LblInfo, analyse->LstCoups});
        analyse->TxtPosition->clear();
        Paste(analyse->TxtPosition, QStringLiteral("...\n"));
        analyse->TxtTirage->setFocus();
        Press(Qt::Key_Return);
        t.Step("a broken position refused", {analyse->LblInfo});
        QVERIFY2(t.Matches("duplicate-analysis"), t.Mismatch());
    }

    void clicksOnTheBoardAndTheOptions() {
        Fixture test(180);
        QVERIFY(test.ShowLoaded());
        Transcript t(test.fake);
        FrmDuplicate& form = *test.form;
        Press(Qt::Key_N, Qt::ControlModifier);
        duplicate::BoardView* view = form.PicPlateau;
        const auto click = [view](int row, int column) {
            // The board is centred in its widget, with one band for the row and column names.
            const qreal size = std::min(view->width(), view->height()) / 16.0;
            const QPointF origin((view->width() - 16 * size) / 2, (view->height() - 16 * size) / 2);
            QTest::mouseClick(
                view, Qt::LeftButton, {},
                (origin + QPointF((column + 1.5) * size, (row + 1.5) * size)).toPoint());
        };
        const auto cursor = [view] {
            return QStringLiteral("cursor %1%2 %3")
                .arg(QChar(board::RowName(view->Cursor().row)))
                .arg(view->Cursor().column + 1)
                .arg(view->Cursor().direction == board::Direction::Across ? "across" : "down");
        };
        click(2, 4);
        t.Step("a click on C5");
        t.Note(cursor());
        click(2, 4);
        t.Step("a second click on C5: the direction turns");
        t.Note(cursor());
        Type("ab");
        click(2, 4);
        t.Step("two letters typed, then a click on C5: the letters go, the direction stays",
               {form.TxtCoup});
        t.Note(cursor());

        Press(Qt::Key_F9);
        duplicate::FrmOptions* options = form.OptionsWindow();
        QVERIFY(options != nullptr && ShowActive(options));
        t.Step("F9: the options");
        t.Window(options);
        options->SpnMinutes->setValue(0);
        options->SpnSecondes->setValue(5);
        options->CmdEnregistrer->click();
        t.Step("5 seconds refused");
        options->SpnMinutes->setValue(2);
        options->SpnSecondes->setValue(30);
        options->SpnSecondes->setFocus();
        Press(Qt::Key_Return);
        t.Step("2 min 30 s, Enter: saved, the window closed");
        QVERIFY(!options->isVisible());
        QVERIFY(ShowActive(&form)); // the desktop gives the game window the keyboard back
        Press(Qt::Key_Return, Qt::ControlModifier);
        Press(Qt::Key_Return);
        t.Step("the next move lasts 2 min 30 s", {form.LblTemps});
        QVERIFY2(t.Matches("duplicate-options"), t.Mismatch());
    }
};

QTEST_MAIN(FrmDuplicateTest)
#include "FrmDuplicateTest.moc"
