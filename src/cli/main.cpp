// zorvane-cli: Zorvane's searches from a terminal or a script.

#include "app/StartupValues.h"
#include "cli/CliRun.h"
#include "cli/ProgramData.h"

#include <iostream>

int main(int argc, char* argv[]) {
    using namespace zorvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    cli::SearchData data(cli::EmbeddedBytes,
                         app::DefinitionsPath(cli::ProgramFolder(), app::kVersionAppli));
    return cli::RunCommandLine(args, data, std::cin, std::cout, std::cerr);
}
