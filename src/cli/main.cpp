// zorvane-cli: Zorvane's searches from a terminal or a script.

#include "cli/CliRun.h"
#include "cli/ProgramData.h"
#include "data/EmbeddedTable.h"
#include "data/StartupValues.h"

#include <iostream>

int main(int argc, char* argv[]) {
    using namespace zorvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    cli::SearchData searchData(data::EmbeddedBytes,
                               data::DefinitionsPath(cli::ProgramFolder(), data::kVersionAppli));
    return cli::RunCommandLine(args, searchData, std::cin, std::cout, std::cerr);
}
