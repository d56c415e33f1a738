// The mailto: link on arbitrary address, subject, body and copy fields: the parts in their
// order, each with its name, empty ones left out, only the body's CR LF encoded.
//
// Input: the five fields separated by NUL bytes (the body may hold line ends).

#include "FuzzHarness.h"
#include "app/EnvoyerMail.h"

#include <string>
#include <string_view>

namespace {

ZORVANE_ORACLE std::string CrLfEncoded(std::string_view text) {
    std::string encoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\r\n") {
            encoded += "%0D";
            ++i;
        } else {
            encoded += text[i];
        }
    }
    return encoded;
}

} // namespace

FUZZ_TARGET(input) {
    const std::string_view address = TakePart(input, '\0');
    const std::string_view subject = TakePart(input, '\0');
    const std::string_view body = TakePart(input, '\0');
    const std::string_view cc = TakePart(input, '\0');
    const std::string_view bcc = input;

    std::string expected = "mailto:" + std::string(address);
    char joint = '?';
    for (const auto& [name, value] :
         {std::pair<std::string_view, std::string>{"Subject", std::string(subject)},
          {"Body", CrLfEncoded(body)},
          {"CC", std::string(cc)},
          {"BCC", std::string(bcc)}}) {
        if (!value.empty()) {
            expected += joint + std::string(name) + "=" + value;
            joint = '&';
        }
    }
    FUZZ_CHECK(zorvane::app::MailtoLink(address, subject, body, cc, bcc) == expected);
}
