#include "app/WordLoading.h"

#include "data/Cp1252Literal.h"
#include "data/ResourceText.h"
#include "ui/Text.h"

namespace zorvane::app {

WordLoading::WordLoading(ui::Platform& platform, std::string title, data::WordStore& store)
    : platform_(platform), title_(std::move(title)), store_(store) {}

namespace {

std::string FailureText(std::string_view type, int id, std::string_view why) {
    return std::string("La ressource "_cp) + std::string(type) + std::string(" (n° "_cp) +
           std::to_string(id) + ") " + std::string(why) + "\r\n" +
           std::string("Le programme va s'arrêter."_cp);
}

} // namespace

bool WordLoading::Fail(std::string_view type, int id, std::string_view why) {
    const std::string text = FailureText(type, id, why);
    platform_.boxes.Show(ui::ToQt(text), ui::ToQt(title_), ui::Buttons::Ok, ui::Icon::Critical);
    platform_.end.EndProgram(1);
    return false;
}

std::optional<std::vector<std::string>> WordLoading::Lines(std::string_view type, int id) {
    const std::optional<std::string_view> bytes = platform_.resources.Bytes(type, id);
    if (!bytes || bytes->find_first_not_of('\0') == std::string_view::npos) {
        Fail(type, id, "est introuvable ou vide."_cp);
        return std::nullopt;
    }
    return data::SplitLines(*bytes);
}

bool WordLoading::List(std::string_view type, int id, std::vector<std::string>& list) {
    auto lines = Lines(type, id);
    if (!lines) {
        return false;
    }
    list = std::move(*lines);
    return true;
}

bool WordLoading::Dictionary() {
    return List("DICO", data::kIdDico, store_.ListeDico);
}

bool WordLoading::AnagramList() {
    return List("ANA", data::kIdAna, store_.ListeAna);
}

bool WordLoading::SynonymLetter(char letter) {
    const std::string type = data::SynonymResourceType(letter);
    const int id = data::kIdSynonymA + (letter - 'A');
    const auto lines = Lines(type, id);
    if (!lines) {
        return false;
    }
    if (const auto broken = data::FillSynonymTable(store_.Syno(letter), *lines)) {
        return Fail(type, id, std::string("est endommagée : "_cp) + *broken);
    }
    return true;
}

} // namespace zorvane::app
