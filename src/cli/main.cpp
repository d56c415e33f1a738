// zorvane-cli: Zorvane's searches from a terminal or a script.

#include "cli/CliRun.h"
#include "cli/ProgramData.h"
#include "data/EmbeddedTable.h"
#include "data/StartupValues.h"

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // A reader that stops early (`| head`) ends us quietly, as it ends any filter, even when
    // the parent ignores SIGPIPE: a closed pipe is not a write error the user should see.
    std::signal(SIGPIPE, SIG_DFL);
    using namespace zorvane;
    // Buffered reading: each query line is then found in a block, not byte by byte.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argc > 0 ? argv + 1 : argv, argv + argc);
    const char* path = std::getenv("PATH");
    const std::optional<std::string> folder =
        cli::ProgramFolder("/proc/self/exe", argc > 0 ? argv[0] : "", path ? path : "");
    // No folder, no file name: the first check says why.
    cli::SearchData searchData(data::EmbeddedBytes,
                               folder ? data::DefinitionsPath(*folder, data::kVersionAppli)
                                      : std::string());
    return cli::RunCommandLine(args, searchData, std::cin, std::cout, std::cerr,
                               {::isatty(STDOUT_FILENO) == 1, ::isatty(STDERR_FILENO) == 1});
}
