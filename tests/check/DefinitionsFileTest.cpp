// Reading one entry of the definitions file: section and key rules, awkward line ends and
// lengths (read line by line), missing or unreadable files; the index of a run of many checks
// and the quick look that tells a damaged file.

#include "check/DefinitionsFile.h"

#include "DefinitionsFixture.h"
#include "check/DefinitionsHealth.h"
#include "check/DefinitionsIndex.h"
#include "check/LineReader.h"
#include "data/Cp1252Literal.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

using namespace zorvane;
using check::GetIni;

namespace {

std::string Entry(const std::string& path, const std::string& key) {
    const check::IniEntry read = GetIni(path, "Cont", key);
    EXPECT_EQ(read.errorNumber, 0) << key;
    return read.entry;
}

std::size_t OpenDescriptors() {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                      std::filesystem::directory_iterator()));
}

} // namespace

TEST(GetIni, SectionAndKeyRules) {
    const zorvane::testing::TempFolder folder;
    const std::string path = folder.Write("d.ret", "[Autre]\r\n"
                                                   "12= dans une autre section\r\n"
                                                   "  [cONT] texte ignore\r\n"
                                                   "123= cent vingt-trois\r\n"
                                                   "12= douze\r\n"
                                                   "  7  =  sept  \r\n"
                                                   "x= lettre\r\n"
                                                   "[Suite]\r\n"
                                                   "8= apres la section\r\n");
    EXPECT_EQ(Entry(path, "123"), "= cent vingt-trois");
    EXPECT_EQ(Entry(path, "12"), "= douze");
    EXPECT_EQ(Entry(path, "1"), "");
    EXPECT_EQ(Entry(path, "7"), "=  sept");
    EXPECT_EQ(Entry(path, "X"), "= lettre");
    EXPECT_EQ(Entry(path, "8"), "");
    EXPECT_EQ(GetIni(path, "Suite", "8").entry, "= apres la section");
    EXPECT_EQ(GetIni(path, "Absente", "12").entry, "");
    EXPECT_EQ(GetIni(path, "Con", "12").entry, ""); // "[cONT]" is not the header of "Con"
}

TEST(LineReader, LineEndsAcrossBlocks) {
    // Full-length lines up to a CR that is the last byte of the first block, its LF the
    // first of the next; more up to a line across the second block's end; then a line
    // longer than two blocks (passed over), an empty line and a last line without end.
    constexpr std::size_t kBlock = check::LineReader::kBlockSize;
    const std::string full(check::LineReader::kMaxLineLength, 'w');
    std::string text;
    std::vector<std::string> expected;
    const auto add = [&](const std::string& line, const char* end) {
        text += line + end;
        expected.push_back(line);
    };
    while (text.size() + full.size() + 2 < kBlock) {
        add(full, "\n");
    }
    add(std::string(kBlock - 1 - text.size(), 'x'), "\r\n");
    while (text.size() + full.size() + 1 < 2 * kBlock - 100) {
        add(full, "\n");
    }
    add(std::string(200, 'z'), "\n");
    text += std::string(2 * kBlock + 3, 'v');
    add("", "\n\r\n");
    add("fin", "\r");
    add("dernier", "");
    const zorvane::testing::TempFolder folder;
    std::FILE* file = std::fopen(folder.Write("lines.txt", text).c_str(), "rb");
    ASSERT_NE(file, nullptr);
    check::LineReader reader(file);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) {
        lines.emplace_back(line);
    }
    std::fclose(file);
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(reader.Failed());
}

TEST(GetIni, MissingOrNotARegularFile) {
    const zorvane::testing::TempFolder folder;
    ::mkfifo(folder.PathOf("fifo").c_str(), 0600);
    const std::pair<std::string, int> cases[] = {
        {folder.PathOf("absent.ret"), check::kFileNotFound},
        {folder.PathOf(""), check::kFileAccessError},
        {folder.PathOf("fifo"), check::kFileAccessError},
        {"/dev/zero", check::kFileAccessError}};
    for (const auto& [path, number] : cases) {
        const check::IniEntry read = GetIni(path, "Cont", "1");
        EXPECT_EQ(read.errorNumber, number) << path;
        EXPECT_EQ(read.entry, "");
    }
}

TEST(GetIni, ClosesTheFileEveryTime) {
    const zorvane::testing::TempFolder folder;
    const std::string path = folder.Write("d.ret", "[Cont]\r\n1= un\r\n");
    const std::size_t before = OpenDescriptors();
    for (int i = 0; i < 50; ++i) {
        GetIni(path, "Cont", i % 2 == 0 ? "1" : "2");
        GetIni(path, "Autre", "1");
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

// The index of a run of many checks finds, key for key, what GetIni finds: a leading
// byte-order mark, keys 12 and 123, blanks, CR, LF and CR LF, a key given twice, a line too
// long to be an entry, keys in another section or after the next header.
TEST(DefinitionsIndex, FindsWhatGetIniFinds) {
    const zorvane::testing::TempFolder folder;
    const std::string path = folder.Write(
        "d.ret", "\xEF\xBB\xBF[Autre]\r\n1= autre section\r\n[cont] x\n2= deux\r"
                 "  3 =  trois  \r\n12= douze\r\n123= cent vingt-trois\n2= deux encore\r\n" +
                     std::string(check::LineReader::kMaxLineLength + 1, '4') +
                     "= trop long\r\n5=\r\n6= six\r\n[Fin]\r\n7= apres\r\n[Cont]\r\n8= x\r\n"
                     "9= neuf\r\n");
    const check::DefinitionsIndex index(path, "Cont", 9);
    EXPECT_EQ(index.ErrorNumber(), 0);
    EXPECT_EQ(index.Damage(), "il manque l'entrée de 5 mots, dont le mot n° 1."_cp);
    for (int key = 1; key <= 123; ++key) {
        const std::string number = std::to_string(key);
        EXPECT_EQ(index.Entry(number).entry, key <= 9 ? Entry(path, number) : "") << key;
    }
    EXPECT_EQ(index.Entry("2").entry, "= deux");
    EXPECT_EQ(index.Entry("02").entry, "");
}

// The quick look at a file's ends: what tells a damaged file, and what is still fine.
TEST(DefinitionsHealth, DamageTable) {
    const std::string entries = "[Cont]\r\n1= a\r\n2= b\r\n";
    const std::string longLine(check::LineReader::kMaxLineLength + 1, 'x');
    struct Case {
        const char* name;
        std::string file;
        bool damaged;
    };
    const Case cases[] = {
        {"sound", entries, false},
        {"byte-order mark", "\xEF\xBB\xBF" + entries, false},
        {"blank lines around", "\r\n  \r\n" + entries + "\r\n\r\n", false},
        {"last line without end", "[Cont]\r\n1= a\r\n2= b", false},
        {"empty", "", true},
        {"blanks only", "\r\n \r\n", true},
        {"truncated", "[Cont]\r\n1= a\r\n2", true},
        {"more entries than words", entries + "3= c\r\n", true},
        {"no header", "1= a\r\n2= b\r\n", true},
        {"one huge line", longLine, true},
        {"zeros", std::string(1000, '\0'), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check::DefinitionsDamage(c.file.size(), c.file, c.file, 2).has_value(), c.damaged)
            << c.name;
    }
    // Larger than any definitions file (a sparse file of 4 GB), whatever its ends hold.
    EXPECT_TRUE(check::DefinitionsDamage(std::uint64_t{4} << 30, entries, entries, 2));
    // Ends read apart: a tail that starts inside a line still gives the last line whole.
    EXPECT_FALSE(check::DefinitionsDamage(1 << 20, entries, "que d'une ligne\r\n2= b\r\n", 2));
    EXPECT_TRUE(check::DefinitionsDamage(1 << 20, entries, longLine, 2));
}
