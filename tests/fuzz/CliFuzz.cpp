// The command line's reading and its JSON output, on arbitrary arguments and input lines over
// a few words given as resources: every line written with --json is one well-formed JSON
// object in UTF-8, whatever the arguments.
//
// Input: the arguments separated by NUL bytes; after a "\n\n", standard input.

#include "FuzzHarness.h"
#include "cli/CliRun.h"
#include "cli/CliSampleData.h"
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
    static const testing::CliResources resources = testing::SampleCliResources();
    return testing::FindResource(resources, type, id);
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
