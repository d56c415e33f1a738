// The command line answers each search with the window's own result: the same words in the
// same order, for the anagram, crossword, near-word, synonyms and communes windows driven on
// the recording platform over the same small data.

#include "anagram/Frm11Ana.h"
#include "cli/AnswerOutput.h"
#include "cli/InputChecks.h"
#include "cli/Searches.h"
#include "communes/Frm14CD.h"
#include "communes/SampleCommunes.h"
#include "crossword/Frm13MotCroix.h"
#include "nearwords/Frm16Approchant.h"
#include "support/TestContext.h"
#include "synonyms/Frm12Syno.h"
#include "synonyms/SynonymData.h"
#include "ui/Text.h"

#include <QtTest>

using namespace zorvane;

namespace {

const std::vector<std::string> kWords{
    "AH",     "CA",     "HA",    "TA",    "TAC",    "ACTE",    "CHAT",     "CHTI",
    "TCHI",   "CHUT",   "ZOO",   "CHATS", "MAISON", "MAISONS", "RAISON",   "MAIS",
    "SAISON", "CRAYON", "MACHE", "TACHE", "CACHET", "CHATTE",  "ACHETANT", "MOISSON"};

std::string Joined(const std::vector<std::string>& lines) {
    return testing::Joined(lines, "\r\n");
}

// The sample lines, and one more for each letter they leave without a table: the command
// line reads all 26 tables and refuses an empty one, as the loader does.
std::vector<std::string> SynonymLines() {
    std::vector<std::string> lines = testing::SampleSynonymLines();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const bool held =
            std::any_of(lines.begin(), lines.end(), [letter](const std::string& line) {
                return testing::TestContext::FirstLetter(line) == letter;
            });
        if (!held) {
            lines.push_back(std::string(1, static_cast<char>(letter + 32)) + "\xA7n$x");
        }
    }
    return lines;
}

// The window's data, and the same data as the command line reads it: resource bytes.
struct SharedData {
    testing::TestContext test{kWords, SynonymLines()};
    cli::SearchData data{
        [this](std::string_view type, int id) { return test.fake.resources.Bytes(type, id); },
        test.values.FichierDefinitions};

    SharedData() {
        auto& resources = test.fake.resources;
        resources.Add("DICO", data::kIdDico, Joined(test.store.ListeDico));
        resources.Add("ANA", data::kIdAna, Joined(test.store.ListeAna));
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const data::SynonymLetterTable& table = test.store.Syno(letter);
            const std::vector<std::string> lines(table.Syno.begin(),
                                                 table.Syno.begin() + table.NbSyno);
            resources.Add(data::SynonymResourceType(letter), data::kIdSynonymA + (letter - 'A'),
                          Joined(lines));
        }
        resources.Add("LISTEPARCP", 200, testing::SamplePostcodeResource());
        resources.Add("LISTEPARNOM", 201, testing::SampleNameResource());
    }
};

QStringList Rows(const QAbstractItemView* list) {
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        rows << list->model()->index(i, 0).data().toString();
    }
    return rows;
}

QStringList Words(const cli::Answer& answer) {
    QStringList words;
    for (const std::string& word : answer.words) {
        words << ui::ToQt(word);
    }
    return words;
}

} // namespace

class WindowEqualityTest : public QObject {
    Q_OBJECT
private slots:
    void anagramsInTheWindowsOrder() {
        SharedData shared;
        anagram::Frm11Ana form(shared.test.context, shared.test.index, shared.test.packedIndex);
        form.show();
        shared.test.fake.timers.Advance(100);
        QStringList shown; // the window's list after the last search
        const auto search = [&](const QString& draw, const QString& minimum,
                                const QString& letter) {
            form.TxtCh->clear();
            QTest::keyClicks(form.TxtCh, draw);
            form.Cbo1->setEditText(minimum);
            form.Text5->setText(letter);
            form.CmdCh->click();
            shared.test.fake.timers.Advance(500);
            shown = Rows(form.LstAna);
            return cli::AnagramSearch(ui::FromQt(draw.toUpper()), minimum.toInt(),
                                      ui::FromQt(letter), shared.data);
        };
        const cli::Answer joker = search("chats?", "2", "");
        QCOMPARE(Words(joker), shown);
        QVERIFY(joker.words.size() > 5);
        QVERIFY(std::is_sorted(
            joker.words.begin(), joker.words.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); }));
        const cli::Answer mandatory = search("TACHE", "3", "H");
        QVERIFY(mandatory.found);
        QCOMPARE(Words(mandatory), shown);
        QVERIFY(!search("ZZ", "2", "").found);
        QVERIFY(shown.isEmpty());
    }

    void crosswordPatterns() {
        SharedData shared;
        crossword::Frm13MotCroix form(shared.test.context);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form)); // a box takes the focus only then
        shared.test.fake.timers.Advance(20);
        for (const QString& pattern :
             {QStringLiteral("?A??ON"), QStringLiteral("C???"), QStringLiteral("T?C")}) {
            const int item =
                form.CboLMot->findText(QStringLiteral("%1").arg(pattern.size(), 2, 10, QChar('0')));
            form.CboLMot->setCurrentIndex(item);
            emit form.CboLMot->activated(item);
            for (int box = 1; box <= pattern.size(); ++box) {
                if (pattern[box - 1] != QChar('?')) {
                    form.TxtS[box]->setFocus();
                    QTest::keyClicks(form.TxtS[box], pattern.mid(box - 1, 1));
                }
            }
            form.CmdRech1->click();
            shared.test.fake.timers.Advance(100);
            const cli::Answer answer = cli::PatternSearch(ui::FromQt(pattern), shared.data);
            QVERIFY(answer.found);
            QCOMPARE(Words(answer), Rows(form.LstRech1));
        }
    }

    void nearWordsWithTheirPercentages() {
        SharedData shared;
        nearwords::Frm16Approchant form(shared.test.context);
        form.show();
        QTest::keyClicks(form.TxtCtrl, QStringLiteral("maison"));
        form.Opt[2]->click(); // 70 %
        form.Chk2->click();   // lengths one letter longer or shorter
        form.CmdCtrl->click();
        shared.test.fake.timers.Advance(500);
        const cli::Answer answer = cli::NearSearch("maison", 70, true, shared.data);
        QVERIFY(answer.words.size() > 3);
        QCOMPARE(QString::fromUtf8(cli::TextOutput(answer)), form.TxtRes->toPlainText() + '\n');
    }

    void synonymsOfAnAccentedWord() {
        SharedData shared;
        synonyms::Frm12Syno form(shared.test.context);
        form.show();
        shared.test.fake.timers.Advance(100);
        for (const QString& typed :
             {QStringLiteral("école"), QStringLiteral("règlement"), QStringLiteral("nulle part")}) {
            form.Cbo2->lineEdit()->selectAll();
            form.Cbo2->lineEdit()->insert(typed);
            QTest::keyClick(form.Cbo2->lineEdit(), Qt::Key_Return);
            const cli::Answer answer = cli::SynonymSearch(ui::FromQt(typed), shared.data);
            QCOMPARE(Words(answer), Rows(form.LstS));
            QCOMPARE(ui::ToQt(answer.message.value_or("")), form.Lbl4->text());
        }
    }

    void communesByPostcodeAndByName() {
        SharedData shared;
        communes::Frm14CD form(shared.test.context);
        form.show();
        form.activateWindow();
        shared.test.fake.timers.Advance(300);
        for (const auto& [box, typed] :
             {std::pair{form.TxtCP, QStringLiteral("010")},
              std::pair{form.TxtCherche, QStringLiteral("SAINT DENIS")}}) {
            box->setFocus();
            box->clear();
            QTest::keyClicks(box, typed);
            const std::string searched = std::get<std::string>(
                cli::ReadQuery(cli::Subcommand::Commune, typed.toUtf8().toStdString()));
            const cli::Answer answer = cli::CommuneSearch(searched, shared.data);
            QVERIFY(answer.found);
            QCOMPARE(Words(answer), Rows(form.LstLaListe));
            QCOMPARE(ui::ToQt(answer.facts.at(2).value.value_or("")), form.LblCommuneMin->text());
        }
    }
};

QTEST_MAIN(WindowEqualityTest)
#include "WindowEqualityTest.moc"
