// zorvane-cli: Zorvane's searches from a terminal or a script.

#include "cli/CliRun.h"
#include "cli/ProgramData.h"
#include "data/EmbeddedTable.h"
#include "data/StartupValues.h"

#include <csignal>
#include <iostream>

int main(int argc, char* argv[]) {
    // A reader that stops early (`| head`) ends us quietly, as it ends any filter, even when
    // the parent ignores SIGPIPE: a closed pipe is not a write error the user should see.
    std::signal(SIGPIPE, SIG_DFL);
    using namespace zorvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    cli::SearchData searchData(data::EmbeddedBytes,
                               data::DefinitionsPath(cli::ProgramFolder(), data::kVersionAppli));
    return cli::RunCommandLine(args, searchData, std::cin, std::cout, std::cerr);
}
