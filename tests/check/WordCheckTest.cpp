// The dictionary check over a small list and definitions file; points and texts.

#include "check/WordCheck.h"

#include "CheckData.h"
#include "DefinitionsFixture.h"
#include "check/AdmittedWords.h"
#include "check/CheckTexts.h"
#include "check/DefinitionsIndex.h"
#include "check/PartsOfSpeech.h"
#include "check/ScrabblePoints.h"
#include "check/WordNumbers.h"

#include <gtest/gtest.h>

using namespace zorvane;
using check::CheckOutcome;
using check::WordCheckResult;

namespace {

class WordCheckTest : public ::testing::Test {
protected:
    zorvane::testing::TempFolder folder;
    std::string path = folder.Write("definitions1.20.ret", zorvane::testing::CheckDefinitions());

    WordCheckResult Check(std::string_view typed) const {
        return check::CheckWord(typed, {zorvane::testing::kCheckDico, path, 12});
    }
};

} // namespace

TEST_F(WordCheckTest, FoundWordsAndTheirEntries) {
    const WordCheckResult abaque = Check("abaque");
    EXPECT_EQ(abaque.outcome, CheckOutcome::Found);
    EXPECT_EQ(abaque.word, "ABAQUE");
    EXPECT_TRUE(abaque.admitted);
    EXPECT_EQ(abaque.categoryCode, "n");
    EXPECT_EQ(abaque.categoryLabel, "nom");
    EXPECT_EQ(abaque.definition, "Tablette du chapiteau d'une colonne.");
    EXPECT_TRUE(abaque.copyAllowed);
    EXPECT_EQ(abaque.points, 1 + 3 + 1 + 8 + 1 + 1);

    const WordCheckResult chat = Check("CHAT");
    EXPECT_FALSE(chat.admitted);
    EXPECT_EQ(chat.points, 9);

    const WordCheckResult examen = Check("EXAMEN");
    EXPECT_EQ(examen.categoryLabel, "adjectif, préposition"_cp);
    EXPECT_EQ(examen.points, 16);

    const WordCheckResult kiwi = Check("KIWI");
    EXPECT_EQ(kiwi.outcome, CheckOutcome::ExistsWithoutDefinition);
    EXPECT_EQ(kiwi.points, 22);
    EXPECT_FALSE(kiwi.copyAllowed);

    const WordCheckResult ete = Check("ETE");
    EXPECT_EQ(ete.definition, "Ce mot existe mais il n'y a pas actuellement de définition pour "
                              "les mots de plus de 12 lettres."_cp);
    EXPECT_FALSE(ete.copyAllowed);
    EXPECT_EQ(ete.points, 3);
}

TEST_F(WordCheckTest, CrossReferences) {
    // One level only: the target's own "Voir" is shown as text.
    EXPECT_EQ(Check("ABACA").definition, "Voir ABAQUE.\r\nTablette du chapiteau d'une colonne.");
    EXPECT_EQ(Check("BIS").definition, "Voir ABACA.\r\nVoir ABAQUE.");
    const WordCheckResult longText = Check("QI");
    EXPECT_EQ(longText.definition, "Voir ABACA, ou la page où on le dit."_cp);
    EXPECT_EQ(longText.categoryLabel, "");
    EXPECT_EQ(longText.points, 9);
    EXPECT_EQ(Check("VOIRE").outcome, CheckOutcome::NotFound);   // no full point
    EXPECT_EQ(Check("ZYTHUMS").outcome, CheckOutcome::NotFound); // target not in the list
    // From 22 characters on, a text with the mark is no reference.
    const std::string text22 = "Voir ABAQUE, tout nus.";
    EXPECT_EQ(check::CheckWord("CHAT", zorvane::testing::kCheckDico, 12,
                               [&](std::string_view) {
                                   return check::IniEntry{"= OK\xA3n\xA7" + text22, 0};
                               })
                  .definition,
              text22);
}

TEST_F(WordCheckTest, FailuresEndAsNotFound) {
    EXPECT_EQ(Check("CHIEN").outcome, CheckOutcome::NotFound);
    EXPECT_EQ(Check("CHIEN").points, 0);
    EXPECT_EQ(Check("ZZZ").outcome, CheckOutcome::NotFound); // entry without separators
    EXPECT_EQ(Check("ZZZ").errorNumber, 0);
    EXPECT_EQ(Check("A").outcome, CheckOutcome::NotFound);
    // A word of the list that the file leaves without a usable entry is a damaged file,
    // told apart from a word that is not in the list.
    EXPECT_EQ(Check("CHIEN").damage, "");
    EXPECT_EQ(Check("ZZZ").damage, "l'entrée du mot n° 10 est illisible."_cp);
    EXPECT_NE(Check("VOIRE").damage, "");
    EXPECT_NE(Check("ZYTHUMS").damage.find("TOTO"), std::string::npos);

    const std::string absent = folder.PathOf("absent.ret");
    const WordCheckResult missing =
        check::CheckWord("chat", {zorvane::testing::kCheckDico, absent, 12});
    EXPECT_EQ(missing.outcome, CheckOutcome::NotFound);
    EXPECT_EQ(missing.errorNumber, 53);
    // A word absent from the list never opens the file.
    EXPECT_EQ(check::CheckWord("CHIEN", {zorvane::testing::kCheckDico, absent, 12}).errorNumber, 0);
    // No entry for the last word's number.
    const std::string shorter = folder.Write("court.ret", "[Cont]\r\n1= x§EXISTE"_cp);
    const WordCheckResult bis =
        check::CheckWord("BIS", {zorvane::testing::kCheckDico, shorter, 12});
    EXPECT_EQ(bis.outcome, CheckOutcome::NotFound);
    EXPECT_EQ(bis.damage, "aucune entrée pour le mot n° 11."_cp);
}

// The command line's way for many words (binary search, the file indexed once) gives what
// the window's way gives (straight scan, the file read for each word), word for word.
TEST_F(WordCheckTest, IndexedCheckGivesTheSameResults) {
    const check::WordNumbers numbers(zorvane::testing::kCheckDico);
    const check::DefinitionsIndex index(path, "Cont", zorvane::testing::kCheckDico.size());
    ASSERT_EQ(index.ErrorNumber(), 0);
    ASSERT_EQ(index.Damage(), "");
    std::vector<std::string> typed(zorvane::testing::kCheckDico);
    typed.insert(typed.end(), {"abaque", "CHIEN", "", "ZZZZ"});
    for (const std::string& word : typed) {
        const WordCheckResult indexed = check::CheckWord(
            word, [&](std::string_view w) { return numbers.Find(w); }, 12,
            [&](std::string_view n) { return index.Entry(n); });
        const WordCheckResult scanned = Check(word);
        EXPECT_EQ(std::tie(indexed.outcome, indexed.word, indexed.admitted, indexed.categoryCode,
                           indexed.definition, indexed.points, indexed.damage),
                  std::tie(scanned.outcome, scanned.word, scanned.admitted, scanned.categoryCode,
                           scanned.definition, scanned.points, scanned.damage))
            << word;
    }
}

TEST(ScrabblePoints, LettersCountedPerOccurrence) {
    EXPECT_EQ(check::ScrabblePoints("qi 1É"_cp), 0);
    EXPECT_EQ(check::ScrabblePoints("LAA"), 3);
    EXPECT_EQ(check::ChercheLet("ANANAS", "ANA"), 2); // each search one past the last hit
    EXPECT_EQ(check::ChercheLet("", "A"), 0);
    EXPECT_EQ(check::ChercheLet("A", ""), 0);
}

TEST(PartsOfSpeech, ExactCodesOnly) {
    EXPECT_EQ(check::PartOfSpeechLabel("n v"), "nom, verbe");
    EXPECT_EQ(check::PartOfSpeechLabel("préf"_cp), "préfixe"_cp);
    EXPECT_EQ(check::PartOfSpeechLabel("onomat"), "onomatopée"_cp);
    EXPECT_EQ(check::PartOfSpeechLabel("N"), "");
    EXPECT_EQ(check::PartOfSpeechLabel("n "), "");
}

TEST(CheckTexts, CopiedText) {
    WordCheckResult result;
    result.word = "ABAQUE";
    result.categoryLabel = "nom";
    result.definition = "Tablette.";
    EXPECT_EQ(
        check::CopiedText(result, "1.20"),
        "ABAQUE\r\nnom\r\nTablette.\r\n\r\nTexte copié depuis :\r\nZorvane 1.20 - dictionnaire"_cp);
}

TEST(WordNumbers, TheFirstOfEqualEntriesAsTheScanGivesIt) {
    const std::vector<std::string> list{"B", "A", "B", "C"};
    const check::WordNumbers numbers(list);
    EXPECT_EQ(numbers.Find("B"), 1U);
    EXPECT_EQ(numbers.Find("A"), 2U);
    EXPECT_EQ(numbers.Find("C"), 4U);
    EXPECT_EQ(numbers.Find("AB"), std::nullopt);
}

// The words a board may lay: those the check of each word calls admitted, from one reading.
TEST_F(WordCheckTest, AdmittedWordsAreThoseTheCheckAdmits) {
    const check::AdmittedList admitted = check::AdmittedWords(zorvane::testing::kCheckDico, path);
    ASSERT_EQ(admitted.errorNumber, 0);
    std::vector<std::string_view> checked;
    for (const std::string& word : zorvane::testing::kCheckDico) {
        const WordCheckResult result = Check(word);
        if (result.outcome == CheckOutcome::ExistsWithoutDefinition ||
            (result.outcome == CheckOutcome::Found && result.admitted)) {
            checked.emplace_back(word);
        }
    }
    EXPECT_EQ(admitted.words, checked);
    EXPECT_EQ(admitted.words, (std::vector<std::string_view>{"ABACA", "ABAQUE", "ETE", "EXAMEN",
                                                             "KIWI", "QI", "BIS"}));
    EXPECT_EQ(check::AdmittedWords(zorvane::testing::kCheckDico, path + ".absent").errorNumber,
              check::kFileNotFound);
}
