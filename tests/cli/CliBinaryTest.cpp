// The built zorvane-cli on the shipped data: its own resources and definitions file.

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct Output {
    int status;
    std::string out;
};

Output RunCli(const std::string& arguments) {
    const std::string command = std::string(ZORVANE_CLI) + " " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    Output output{-1, {}};
    if (pipe == nullptr) {
        return output;
    }
    std::array<char, 4096> block{};
    for (std::size_t read; (read = std::fread(block.data(), 1, block.size(), pipe)) > 0;) {
        output.out.append(block.data(), read);
    }
    const int status = ::pclose(pipe);
    output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::size_t LinesOf(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CliBinary, SearchesTheShippedData) {
    const Output anagrams = RunCli("anagram 'ESARTINLUOC?'");
    ASSERT_EQ(anagrams.status, 0);
    EXPECT_GT(LinesOf(anagrams.out), 1000u);
    EXPECT_EQ(anagrams.out.find('\n'), 12u); // the first word uses every letter of the draw

    const Output check = RunCli("check maison --json");
    EXPECT_EQ(check.status, 0); // the definitions file beside the executable was read
    EXPECT_NE(check.out.find("\"definition\":\""), std::string::npos) << check.out;

    const Output commune = RunCli("commune 'Saint-Étienne'");
    EXPECT_EQ(commune.status, 0);
    EXPECT_NE(commune.out.find("Nom minuscule: Saint-\xC3\x89tienne\n"), std::string::npos);

    EXPECT_EQ(RunCli("pattern 'Q??Q'").status, 1);
    EXPECT_EQ(RunCli("anagram 'A???'").status, 2);
    EXPECT_EQ(RunCli("check MAISON > /dev/full").status, 4);
}

} // namespace
