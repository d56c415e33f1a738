// The command line without a terminal: reading it, its refusals and exit statuses, the
// UTF-8 edge and the JSON it writes, over a few words given as resources.

#include "CliSampleData.h"
#include "check/DefinitionsFixture.h"
#include "cli/CliRun.h"
#include "cli/JsonText.h"
#include "cli/Utf8Text.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace zorvane;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class CliCoreTest : public ::testing::Test {
protected:
    zorvane::testing::CliResources resources = zorvane::testing::SampleCliResources();
    cli::SearchData data{[this](std::string_view type, int id) {
                             return zorvane::testing::FindResource(resources, type, id);
                         },
                         "/nonexistent/definitions1.20.ret"};

    Outcome Command(const std::vector<std::string>& args, const std::string& input = "") {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::RunCommandLine(args, data, in, out, err);
        return {status, out.str(), err.str()};
    }
};

TEST_F(CliCoreTest, UsageErrorsAreRefusedWithAFrenchReasonAndStatus2) {
    const std::vector<std::vector<std::string>> wrong{
        {},
        {"anagramme", "CHAT"},
        {"anagram", "CHAT", "TACHE"},
        {"anagram", "CH1T"},
        {"anagram", "A???"},
        {"anagram", "ABCDEFGHIJKLM"},
        {"anagram", "CHAT", "--min", "1"},
        {"anagram", "CHAT", "--min"},
        {"anagram", "CHAT", "--letter", "AB"},
        {"anagram", "CHAT", "--threshold", "90"},
        {"near", "MAISON", "--threshold", "85"},
        {"near", "MAISON", "--min=3"},
        {"check", "CH-T"},
        {"check", "\xE2\x98\x83"}, // snowman
        {"check", "A"},
        {"pattern", "????"},
        {"pattern", "A??????????"},
        {"pattern", "A?"},
        {"commune", "75A"},
        {"commune", "75"},
        {"commune", "PARIS!"},
        {"top"},
        {"top", "A???"},
        {"top", "CHAT", "--limit", "0"},
        {"top", "CHAT", "/nonexistent/grille.txt"},
        {"top", "CHAT"}, // an empty input is no position
    };
    for (const auto& args : wrong) {
        const Outcome run = Command(args);
        EXPECT_EQ(run.status, cli::kUsageError) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err.rfind("zorvane-cli : ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("(voir zorvane-cli --help)\n"), std::string::npos) << run.err;
    }
    EXPECT_NE(Command({"anagram", "AB???"}).err.find("deux jokers"), std::string::npos);
    EXPECT_NE(Command({"commune", "PARIS!"}).err.find("'' ! ''"), std::string::npos);
}

TEST_F(CliCoreTest, ExitStatusSaysWhetherSomethingWasFound) {
    const Outcome found = Command({"anagram",
                                   "TS\xC3\x80"
                                   "CH",
                                   "--min", "4"}); // TSÀCH
    EXPECT_EQ(found.status, cli::kFound);
    EXPECT_EQ(found.out, "CHATS\nCHAT\n");
    EXPECT_EQ(Command({"anagram", "CHAT", "--letter=z"}).status, cli::kNothingFound);
    EXPECT_EQ(Command({"pattern", ".a?son"}).out, "MAISON\nRAISON\n");
    EXPECT_EQ(Command({"near", "ZOO"}).status, cli::kFound);
    EXPECT_EQ(Command({"synonyms", "zorro"}).status, cli::kNothingFound);
    // The longest draw, word and typed letters, and the shortest postal code, are taken.
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"anagram", "ABCDEFGHIJKL"},
                                               {"check", "ABCDEFGHIJKLMNO"},
                                               {"near", "ABCDEFGHIJKLM"},
                                               {"commune", "750"}}) {
        EXPECT_NE(Command(args).status, cli::kUsageError) << args[0];
    }
    const Outcome help = Command({"near", "--help"});
    EXPECT_EQ(help.status, cli::kFound);
    EXPECT_NE(help.out.find("--threshold"), std::string::npos);
    EXPECT_EQ(help.out.find("--min"), std::string::npos);
}

TEST_F(CliCoreTest, QueriesFromStandardInputOnePerLineWorstStatusWins) {
    const Outcome run = Command({"near", "--json"}, "zoo\r\nch1t\n\nzzz\n");
    EXPECT_EQ(run.status, cli::kUsageError);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3) << run.out;
    EXPECT_NE(run.out.find("\"texte\":\"ch1t\",\"trouve\":false,\"message\":null,\"erreur\":"),
              std::string::npos);
    EXPECT_EQ(Command({"pattern"}, "?a?son\nq??q\n").status, cli::kNothingFound);
    EXPECT_EQ(Command({"pattern"}, "").status, cli::kNothingFound);
}

TEST_F(CliCoreTest, AnAnswerThatCannotBeWrittenEndsWithStatus4) {
    std::istringstream in;
    std::ostream broken(nullptr);
    std::ostringstream err;
    EXPECT_EQ(cli::RunCommandLine({"anagram", "CHAT"}, data, in, broken, err), cli::kOutputFailure);
    EXPECT_EQ(cli::RunCommandLine({"--version"}, data, in, broken, err), cli::kOutputFailure);
}

TEST_F(CliCoreTest, DataThatCannotBeReadEndWithStatus3) {
    EXPECT_EQ(Command({"check", "chat"}).status, cli::kDataFailure);
    resources.erase("LISTEPARCP.200");
    EXPECT_EQ(Command({"commune", "75001"}).status, cli::kDataFailure);
}

TEST_F(CliCoreTest, Utf8InAndOut) {
    const Outcome run = Command({"synonyms", "\xC3\x89"
                                             "COLE"}); // ÉCOLE
    EXPECT_EQ(run.status, cli::kFound);
    EXPECT_EQ(run.out, "\xC3\x89"
                       "COLE: nom\n\nclasse\ninstitution\n");
    EXPECT_NE(Command({"commune", "75001"}).out.find("R\xC3\xA9gion: \xC3\x8Ele-de-France"),
              std::string::npos); // Région: Île-de-France

    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every += static_cast<char>(byte);
    }
    const std::string utf8 = cli::Cp1252ToUtf8(every);
    EXPECT_EQ(cli::Utf8ToCp1252(utf8), every);
    EXPECT_EQ(cli::Cp1252ToUtf8("\x80\x9C"), "\xE2\x82\xAC\xC5\x93"); // €œ
    EXPECT_EQ(cli::Cp1252ToUtf8("a\r\nb", " / "), "a / b");
    for (const std::string bad : {"\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x98\x83"}) {
        EXPECT_FALSE(cli::Utf8ToCp1252(bad)) << bad; // cut, overlong, surrogate, snowman
    }
}

TEST_F(CliCoreTest, JsonForScripts) {
    EXPECT_EQ(cli::JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(Command({"near", "MAISON", "--lengths", "--json"}).out,
              "{\"commande\":\"near\",\"texte\":\"MAISON\",\"trouve\":true,"
              "\"message\":\"2 solutions trouvées.\",\"erreur\":null,\"nombre\":2,"
              "\"mots\":[\"MAISON\",\"MAISONS\"],\"pourcentages\":[100.00,92.31]}\n");
    const Outcome commune = Command({"--json", "commune", "75001"});
    EXPECT_NE(commune.out.find("\"region\":\"\xC3\x8Ele-de-France\""), std::string::npos);
    EXPECT_NE(commune.out.find("\"mots\":[\"75001 PARIS 01\"]"), std::string::npos);
}

TEST_F(CliCoreTest, TopListsTheBestMovesOfAdmittedWordsFromAFileOrTheInput) {
    // CHAT admitted; CHATS flagged, MAISONS sent to an unlisted word, TACHE without an
    // entry: none of them may be laid, though CHATS and TACHE would score 20.
    const zorvane::testing::TempFolder folder;
    cli::SearchData withDefinitions{[this](std::string_view type, int id) {
                                        return zorvane::testing::FindResource(resources, type, id);
                                    },
                                    folder.Write("definitions1.20.ret",
                                                 "[Cont]\r\n1= OK\xA3n\xA7Un chat.\r\n"
                                                 "2= NOT\xA3n\xA7"
                                                 "Des chats.\r\n3= x\xA7"
                                                 "EXISTE\r\n"
                                                 "4= OK\xA3n\xA7Voir ZZZ.\r\n5= OK\xA3n\xA7R.\r\n"
                                                 "7= OK\xA3n\xA7Z.\r\n")};
    const auto top = [&](const std::vector<std::string>& args, const std::string& input) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::RunCommandLine(args, withDefinitions, in, out, err);
        return Outcome{status, out.str(), err.str()};
    };
    std::string empty;
    for (int row = 0; row < 15; ++row) {
        empty += "...............\n";
    }
    std::string withZoo = empty;
    withZoo.replace(7 * 16 + 6, 3, "ZOO");
    const std::string file = folder.Write("grille.txt", empty);
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string out;
    };
    const std::vector<Case> cases{
        {{"top", "chats", file, "--limit", "2"}, "", cli::kFound, "H5 CHAT 18\nH6 CHAT 18\n"},
        {{"top", "CHATS", "--limit=1"}, empty, cli::kFound, "H5 CHAT 18\n"},
        {{"top", "C?", "--limit=1"},
         withZoo,
         cli::kNothingFound,
         "Aucun coup possible avec ce tirage sur cette grille.\n"},
        {{"top", "--json", "CH?T", "--limit", "1"},
         empty,
         cli::kFound,
         "{\"commande\":\"top\",\"texte\":\"CH?T\",\"trouve\":true,\"message\":null,"
         "\"erreur\":null,\"nombre\":8,\"mots\":[\"CHaT\"],\"placements\":[\"H5\"],"
         "\"scores\":[16]}\n"},
        {{"top", "ZO"}, withZoo.substr(0, 200), cli::kUsageError, ""},
        {{"top", "ZO"}, withZoo, cli::kUsageError, ""}, // a second Z
    };
    for (const Case& c : cases) {
        const Outcome run = top(c.args, c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out) << ::testing::PrintToString(c.args);
    }
    EXPECT_NE(top({"top", "ZO"}, withZoo).err.find("Trop de Z : 2 pour 1 dans le jeu."),
              std::string::npos);
    EXPECT_EQ(Command({"top", "CHAT"}, empty).status, cli::kDataFailure); // no definitions
}

} // namespace
