#pragma once
// The message to the maker, handed to the user's mail program as a mailto: link.

#include "ui/Services.h"

#include <string>
#include <string_view>

namespace zorvane::app {

// "mailto:" + address + "?Subject=...&Body=...&CC=...&BCC=...", empty parts left out and
// the first "&" turned into "?". Only CR LF is encoded, as "%0D"; every other character,
// "&", "?", "#", "%", blanks and accents included, goes in as it is (cp1252).
std::string MailtoLink(std::string_view address, std::string_view subject, std::string_view body,
                       std::string_view cc, std::string_view bcc);

// Builds the link and asks the desktop to open it; whether it did is not known.
void EnvoyerMail(ui::LinkOpener& links, std::string_view address, std::string_view subject,
                 std::string_view body, std::string_view cc, std::string_view bcc);

// "Nom: " + name, "Prenom: " + first name, an empty line, then the message (CR LF lines).
std::string MailBody(std::string_view name, std::string_view firstName, std::string_view message);

} // namespace zorvane::app
