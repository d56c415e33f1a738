// Reading one entry of the definitions file: section and key rules, awkward line ends and
// lengths, missing or unreadable files.

#include "check/DefinitionsFile.h"

#include "DefinitionsFixture.h"
#include "check/LineReader.h"

#include <cstdio>
#include <gtest/gtest.h>
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

TEST(GetIni, LongLinesAndLineEnds) {
    const zorvane::testing::TempFolder folder;
    const std::string longText(200 * 1024 + 7, 'a');
    const std::string crLf = folder.Write("crlf.ret", "[Cont]\r\n1= " + longText + "\r\n2= deux");
    EXPECT_EQ(Entry(crLf, "1"), "= " + longText);
    EXPECT_EQ(Entry(crLf, "2"), "= deux"); // last line without CR LF
    const std::string lf = folder.Write("lf.ret", "[Cont]\n1= " + longText + "\n2= deux\n");
    EXPECT_EQ(Entry(lf, "2"), "= deux");
    EXPECT_EQ(Entry(lf, "3"), "");
    const std::string cr = folder.Write("cr.ret", "[Cont]\r3= trois\r4= quatre");
    EXPECT_EQ(Entry(cr, "4"), "= quatre");
}

TEST(LineReader, LineEndsAcrossBlocks) {
    // The CR of the first line is the last byte of the first block, its LF the first of the
    // next; then a line longer than two blocks, an empty line and a last line without end.
    const std::string first(check::LineReader::kBlockSize - 1, 'x');
    const std::string spanning(2 * check::LineReader::kBlockSize + 3, 'y');
    const zorvane::testing::TempFolder folder;
    const std::string path =
        folder.Write("lines.txt", first + "\r\n" + spanning + "\n\r\nfin\rdernier");
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    check::LineReader reader(file);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) {
        lines.emplace_back(line);
    }
    std::fclose(file);
    EXPECT_EQ(lines, (std::vector<std::string>{first, spanning, "", "fin", "dernier"}));
    EXPECT_FALSE(reader.Failed());
}

TEST(GetIni, MissingOrUnreadableFile) {
    const zorvane::testing::TempFolder folder;
    EXPECT_EQ(GetIni(folder.PathOf("absent.ret"), "Cont", "1").errorNumber, check::kFileNotFound);
    const check::IniEntry folderRead = GetIni(folder.PathOf(""), "Cont", "1");
    EXPECT_NE(folderRead.errorNumber, 0);
    EXPECT_NE(folderRead.errorNumber, check::kFileNotFound);
    EXPECT_EQ(folderRead.entry, "");
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
