#include "app/EnvoyerMail.h"

#include "data/Cp1252Literal.h"
#include "data/TextHelpers.h"
#include "ui/Text.h"

namespace zorvane::app {
namespace {

void AppendPart(std::string& query, std::string_view name, std::string_view value) {
    if (!value.empty()) {
        query.append("&").append(name).append("=").append(value);
    }
}

} // namespace

std::string MailtoLink(std::string_view address, std::string_view subject, std::string_view body,
                       std::string_view cc, std::string_view bcc) {
    std::string query;
    AppendPart(query, "Subject", subject);
    AppendPart(query, "Body", data::sChangeCaractere(body, "\r\n", "%0D"));
    AppendPart(query, "CC", cc);
    AppendPart(query, "BCC", bcc);
    if (!query.empty()) {
        query[0] = '?';
    }
    return "mailto:" + std::string(address) + query;
}

MailHandOver EnvoyerMail(ui::LinkOpener& links, std::string_view address, std::string_view subject,
                         std::string_view body, std::string_view cc, std::string_view bcc) {
    const std::string link = MailtoLink(address, subject, body, cc, bcc);
    if (link.size() > kMaxMailtoLength) {
        return MailHandOver::TooLong;
    }
    return links.Open(ui::ToQt(link)) ? MailHandOver::Done : MailHandOver::NoMailProgram;
}

std::string HandOverFailureMessage(MailHandOver failure, std::string_view address) {
    if (failure == MailHandOver::TooLong) {
        return std::string("Le message est trop long pour être transmis au programme de "
                           "messagerie.\r\nRaccourcissez-le, puis cliquez de nouveau sur "
                           "''Envoyer le message''."_cp);
    }
    return std::string("Aucun programme de messagerie n'a pu recevoir le message.\r\nVotre texte "
                       "reste dans le formulaire : vous pouvez le copier et l'envoyer à "_cp) +
           std::string(address) + ".";
}

std::string MailBody(std::string_view name, std::string_view firstName, std::string_view message) {
    return "Nom: " + std::string(name) + "\r\nPrenom: " + std::string(firstName) + "\r\n\r\n" +
           std::string(message);
}

} // namespace zorvane::app
