// The command line without a terminal: reading it, its refusals and exit statuses, the
// UTF-8 edge and the JSON it writes, over a few words given as resources; input of any
// length, damaged definitions files, controls on a terminal, the program's own folder.

#include "../check/DefinitionsFixture.h"
#include "CliSampleData.h"
#include "check/DefinitionsFixture.h"
#include "cli/CliRun.h"
#include "cli/JsonText.h"
#include "cli/ProgramData.h"
#include "cli/QueryLines.h"
#include "cli/Utf8Text.h"

#include <array>
#include <filesystem>
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
    // Ligatures in a commune name are spelled out as in words: Œuilly, œuilly.
    for (const char* name : {"\xC5\x92uilly", "\xC5\x93uilly"}) {
        const Outcome commune = Command({"commune", name});
        EXPECT_EQ(commune.status, cli::kFound) << commune.err;
        EXPECT_NE(commune.out.find("02160 OEUILLY"), std::string::npos) << commune.out;
    }
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
    const Outcome missing = Command({"check", "chat"});
    EXPECT_EQ(missing.status, cli::kDataFailure);
    EXPECT_EQ(missing.err.rfind("zorvane-cli : Erreur 53 Le fichier", 0), 0U) << missing.err;
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

namespace {

// Standard input that never ends a line: zeros for ever, counted as they are taken.
class EndlessZeros : public std::streambuf {
public:
    std::size_t given = 0;

protected:
    int_type underflow() override {
        given += block_.size();
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        return 0;
    }

private:
    std::array<char, 4096> block_{};
};

// The sample dictionary's words are numbered 1 CHAT, 2 CHATS, 3 MAISON ... 7 ZOO.
std::string SampleDefinitions() {
    return "[Cont]\r\n1= OK\xA3n\xA7"
           "F\xE9lin.\r\n2= OK\xA3n\xA7Voir CHAT.\r\n3= OK\xA3n\xA7"
           "Logis.\r\n4= x\xA7"
           "EXISTE\r\n5= OK\xA3n\xA7"
           "Cause.\r\n6= OK\xA3n\xA7"
           "T\x1B[2Jache\x9D.\r\n7= OK\xA3n\xA7Jardin.\r\n";
}

} // namespace

// A line longer than any query is refused with status 2 and ends the reading, so an input
// that never ends a line is read no further than that; the same bound holds for the text
// given on the command line.
TEST_F(CliCoreTest, OverlongInputIsRefusedAndReadNoFurther) {
    const std::string longest(cli::kMaxQueryBytes, 'A');
    const Outcome atBound = Command({"check"}, longest + "\r\n");
    EXPECT_EQ(atBound.err.find("octets"), std::string::npos) << atBound.err; // read, then refused
    const Outcome beyond = Command({"anagram"}, "CHAT\n" + longest + "A\nTACHE\n");
    EXPECT_EQ(beyond.status, cli::kUsageError);
    EXPECT_EQ(beyond.out, "CHAT\n");
    EXPECT_NE(beyond.err.find("65536 octets"), std::string::npos) << beyond.err;
    EXPECT_EQ(Command({"anagram", longest + "A"}).err, beyond.err);
    EXPECT_NE(Command({"--json", "anagram"}, longest + "A").out.find("\"texte\":null"),
              std::string::npos);

    EndlessZeros zeros;
    std::istream endless(&zeros);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunCommandLine({"check"}, data, endless, out, err), cli::kUsageError);
    EXPECT_LT(zeros.given, 2 * cli::kMaxQueryBytes);
}

// A definitions file that cannot be the one of the word list is a data failure (status 3,
// "endommagé"), never a word that does not exist; a byte-order mark is only skipped.
TEST_F(CliCoreTest, DamagedDefinitionsFileIsADataFailure) {
    const zorvane::testing::TempFolder folder;
    const std::string sound = SampleDefinitions();
    const std::size_t fifth = sound.find("5=");
    struct Case {
        const char* name;
        std::string bytes;
        int status;
    };
    const Case cases[] = {
        {"sound", sound, cli::kFound},
        {"byte-order mark", "\xEF\xBB\xBF" + sound, cli::kFound},
        {"empty", "", cli::kDataFailure},
        {"truncated", sound.substr(0, fifth + 4), cli::kDataFailure},
        {"one huge line", std::string(3 << 20, 'x'), cli::kDataFailure},
        {"sparse", "", cli::kDataFailure}, // made below: 4 GB of nothing
        {"an entry missing", sound.substr(0, fifth) + sound.substr(sound.find("6=")),
         cli::kDataFailure},
        {"an entry unreadable", std::string(sound).replace(sound.find("1= OK\xA3"), 6, "1= OK "),
         cli::kDataFailure},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Write(c.name, c.bytes);
        if (std::string_view(c.name) == "sparse") {
            std::filesystem::resize_file(path, std::uintmax_t{4} << 30);
        }
        cli::SearchData definitions(
            [this](std::string_view type, int id) {
                return zorvane::testing::FindResource(resources, type, id);
            },
            path);
        std::istringstream in("chat\nmaison\n");
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::RunCommandLine({"check"}, definitions, in, out, err), c.status) << c.name;
        const std::string told = err.str();
        if (c.status == cli::kDataFailure) { // said once, nothing answered
            EXPECT_EQ(told.rfind("zorvane-cli : Le fichier des d\xC3\xA9"
                                 "finitions des mots "
                                 "est endommag\xC3\xA9 : ",
                                 0),
                      0U)
                << c.name << ": " << told;
            EXPECT_EQ(told.find('\n'), told.size() - 1) << c.name;
            EXPECT_EQ(out.str().find("existe pas"), std::string::npos) << c.name;
        } else {
            EXPECT_EQ(told, "") << c.name;
            EXPECT_EQ(out.str(), "CHAT\nnom\nF\xC3\xA9lin.\nCe mot rapporte 9 points au scrabble.\n"
                                 "Le mot ''CHAT'' est valide au scrabble.\n\nMAISON\nnom\nLogis.\n"
                                 "Ce mot rapporte 7 points au scrabble.\nLe mot ''MAISON'' est "
                                 "valide au scrabble.\n")
                << c.name;
        }
    }
}

// On a terminal, what a definition holds is shown, never obeyed: ESC and the one-byte OSC
// (cp1252 0x9D, read as U+009D) are written visibly; a pipe gets the bytes as they are.
TEST_F(CliCoreTest, ControlsAreWrittenVisiblyOnATerminal) {
    const zorvane::testing::TempFolder folder;
    cli::SearchData definitions(
        [this](std::string_view type, int id) {
            return zorvane::testing::FindResource(resources, type, id);
        },
        folder.Write("d.ret", SampleDefinitions()));
    for (const bool terminal : {true, false}) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::RunCommandLine({"check", "tache"}, definitions, in, out, err,
                                      {terminal, terminal}),
                  cli::kFound);
        const std::string shown = out.str();
        EXPECT_EQ(shown.find("T^[[2JacheM-^]."), terminal ? 10U : std::string::npos) << shown;
        EXPECT_EQ(shown.find("T\x1B[2Jache\xC2\x9D."), terminal ? std::string::npos : 10U) << shown;
    }
    EXPECT_EQ(cli::VisibleControls("a\tb\r\n\x7F\xC2\x80\xC3\xA9"), "a^Ib^M\n^?M-^@\xC3\xA9");
}

// Without /proc the executable is found by the name it was started by, a path or a name
// looked up in the absolute folders of PATH; never in the current folder.
TEST(ProgramFolder, FromTheExecutableOrNothing) {
    const zorvane::testing::TempFolder folder;
    const std::string program = folder.Write("zorvane-cli", "");
    const std::string home = std::filesystem::path(program).parent_path().string() + "/";
    const std::string noProc = "/nonexistent/self/exe";
    EXPECT_EQ(cli::ProgramFolder("/proc/self/exe", "", ""),
              std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/");
    EXPECT_EQ(cli::ProgramFolder(noProc, program, ""), home);
    EXPECT_EQ(cli::ProgramFolder(noProc, "zorvane-cli", "/usr/bin::.:bin:" + home), home);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(home);
    for (const std::string path : {"", ":", ".", "bin:.:"}) {
        EXPECT_EQ(cli::ProgramFolder(noProc, "zorvane-cli", path), std::nullopt) << path;
    }
    std::filesystem::current_path(before);
    EXPECT_EQ(cli::ProgramFolder(noProc, "", home), std::nullopt);
    EXPECT_EQ(cli::ProgramFolder(noProc, home + "absent", ""), std::nullopt);
}
