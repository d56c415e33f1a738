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

// What became of a message: handed to the mail program, or kept because its link is longer
// than mail programs take, or because no mail program took it.
enum class MailHandOver { Done, TooLong, NoMailProgram };
inline constexpr std::size_t kMaxMailtoLength = 32000;

// Builds the link and asks the desktop to open it; whether the user then sends the mail is
// not known.
MailHandOver EnvoyerMail(ui::LinkOpener& links, std::string_view address, std::string_view subject,
                         std::string_view body, std::string_view cc, std::string_view bcc);

// What the user is told when a message was not handed over.
std::string HandOverFailureMessage(MailHandOver failure, std::string_view address);

// "Nom: " + name, "Prenom: " + first name, an empty line, then the message (CR LF lines).
std::string MailBody(std::string_view name, std::string_view firstName, std::string_view message);

} // namespace zorvane::app
