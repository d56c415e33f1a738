// The command line's reading and its JSON output, on arbitrary arguments and input lines over
// a few words given as resources: every line written with --json is one well-formed JSON
// object in UTF-8, whatever the arguments.
//
// Input: the arguments separated by NUL bytes; after a "\n\n", standard input.

#include "FuzzHarness.h"
#include "cli/CliRun.h"
#include "cli/Utf8Text.h"

#include <QJsonDocument>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace zorvane;

namespace {

std::optional<std::string_view> Resource(std::string_view type, int id) {
    static const std::map<std::string, std::string> resources = [] {
        std::map<std::string, std::string> made{
            {"DICO.100", "CHAT\r\nCHATS\r\nMAISON\r\nTACHE\r\nZOO"},
            {"ANA.99", "ZOO\r\nCHAT\r\nCHATS\r\nTACHE\r\nMAISON"},
            // No latitude, a longitude that is no JSON number: both must come out null.
            {"LISTEPARCP.200", "69001 LYON 01\xA7Lyon 1er\xA7"
                               "69 Rh\xF4ne\xA7"
                               "Auvergne-Rh\xF4ne-Alpes\xA7"
                               "84\xA7"
                               "69381\xA7Lyon\xA7"
                               "10\xA7"
                               "A\xA7.\xA7"
                               "4,83"},
            {"LISTEPARNOM.201", "LYON 01$69001\xA7Lyon 1er"}};
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            made.emplace(std::string("SYNONY") + letter + "." + std::to_string(101 + letter - 'A'),
                         std::string(1, static_cast<char>(letter + 32)) + "\xA7n$x\\y");
        }
        return made;
    }();
    const auto found = resources.find(std::string(type) + "." + std::to_string(id));
    if (found == resources.end()) {
        return std::nullopt;
    }
    return std::string_view(found->second);
}

} // namespace

FUZZ_TARGET(input) {
    const std::size_t split = std::min(input.find("\n\n"), input.size());
    std::vector<std::string> args{"--json"};
    for (std::size_t start = 0; start <= split;) {
        const std::size_t end = std::min(input.find('\0', start), split);
        args.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    std::istringstream in(std::string(input.substr(std::min(split + 2, input.size()))));
    std::ostringstream out;
    std::ostringstream err;
    cli::SearchData data(Resource, "/nonexistent/definitions1.20.ret");
    const int status = cli::RunCommandLine(args, data, in, out, err);
    FUZZ_CHECK(status >= cli::kFound && status <= cli::kDataFailure);
    const std::string written = out.str();
    if (written.rfind("Usage : ", 0) == 0 || written.rfind("zorvane-cli ", 0) == 0) {
        return; // the help or the version, asked for
    }
    std::istringstream lines(written);
    for (std::string line; std::getline(lines, line);) {
        QJsonParseError error{};
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        FUZZ_CHECK(cli::IsUtf8(line) && error.error == QJsonParseError::NoError && json.isObject());
    }
}
