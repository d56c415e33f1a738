// The mailto: link on arbitrary address, subject, body and copy fields: it starts with the
// address, and the body's line ends never reach the link raw, so a mail program cannot read
// them as new header lines.
//
// Input: the five fields separated by NUL bytes (the body may hold line ends).

#include "FuzzHarness.h"
#include "app/EnvoyerMail.h"

namespace {

ZORVANE_ORACLE std::size_t LineEnds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

} // namespace

FUZZ_TARGET(input) {
    const std::string_view address = TakePart(input, '\0');
    const std::string_view subject = TakePart(input, '\0');
    const std::string_view body = TakePart(input, '\0');
    const std::string_view cc = TakePart(input, '\0');
    const std::string link = zorvane::app::MailtoLink(address, subject, body, cc, input);
    FUZZ_CHECK(link.rfind("mailto:" + std::string(address), 0) == 0);
    FUZZ_CHECK(LineEnds(link) ==
               LineEnds(address) + LineEnds(subject) + LineEnds(cc) + LineEnds(input));
}
