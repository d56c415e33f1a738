#include "cli/SearchData.h"

#include "check/CheckTexts.h"
#include "cli/ProgramData.h"
#include "data/Cp1252Literal.h"
#include "data/ResourceText.h"

namespace zorvane::cli {

// A commune list read once; a missing resource is a failure, a list cut short a warning.
template <typename List, typename Fill>
const List& SearchData::CommuneList(std::optional<List>& list, std::string_view type, int id,
                                    Fill fill) {
    if (!list) {
        const auto bytes = resources_(type, id);
        if (!bytes) {
            throw DataFailure(communes::MissingResourceText(type, id));
        }
        list.emplace();
        if (auto warning = fill(*list, *bytes)) {
            warnings_.push_back(std::move(*warning));
        }
    }
    return *list;
}

SearchData::SearchData(ResourceBytes resources, std::string definitionsFile)
    : resources_(std::move(resources)), definitionsFile_(std::move(definitionsFile)) {}

// The loading screen's message for the same fault.
void SearchData::Fail(std::string_view type, int id, std::string_view why) {
    throw DataFailure(std::string("La ressource "_cp) + std::string(type) +
                      std::string(" (n° "_cp) + std::to_string(id) + ") " + std::string(why));
}

std::string_view SearchData::Bytes(std::string_view type, int id) {
    const std::optional<std::string_view> bytes = resources_(type, id);
    if (!bytes || bytes->find_first_not_of('\0') == std::string_view::npos) {
        Fail(type, id, "est introuvable ou vide."_cp);
    }
    return *bytes;
}

// The store's synonym tables are megabytes of empty places: made only when a search needs
// the store, so that a one-shot anagram search does not pay for them.
data::WordStore& SearchData::Store() {
    if (store_ == nullptr) {
        store_ = std::make_unique<data::WordStore>();
    }
    return *store_;
}

const std::vector<std::string>& SearchData::Dictionary() {
    if (!dictionaryRead_) {
        Store().ListeDico = data::SplitLines(Bytes("DICO", data::kIdDico));
        dictionaryRead_ = true;
    }
    return Store().ListeDico;
}

const std::vector<std::string>& SearchData::AnagramList() {
    if (!anagramListRead_) {
        Store().ListeAna = data::SplitLines(Bytes("ANA", data::kIdAna));
        anagramListRead_ = true;
    }
    return Store().ListeAna;
}

std::string_view SearchData::AnagramBytes() {
    return Bytes("ANA", data::kIdAna);
}

const crossword::LengthTable& SearchData::Lengths() {
    if (!lengths_) {
        lengths_ = crossword::FillLengthTable(AnagramList());
    }
    return *lengths_;
}

const data::WordStore& SearchData::Synonyms() {
    for (char letter = 'A'; !synonymsRead_ && letter <= 'Z'; ++letter) {
        const std::string type = data::SynonymResourceType(letter);
        const int id = data::kIdSynonymA + (letter - 'A');
        if (const auto broken =
                data::FillSynonymTable(Store().Syno(letter), data::SplitLines(Bytes(type, id)))) {
            Fail(type, id, std::string("est endommagée : "_cp) + *broken);
        }
    }
    synonymsRead_ = true;
    return Store();
}

const communes::PostcodeList& SearchData::Postcodes() {
    return CommuneList(postcodes_, communes::kPostcodeResource, communes::kPostcodeResourceId,
                       communes::FillPostcodeList);
}

const communes::NameList& SearchData::Names() {
    return CommuneList(names_, communes::kNameResource, communes::kNameResourceId,
                       communes::FillNameList);
}

const check::WordNumbers& SearchData::DictionaryNumbers() {
    if (!dictionaryNumbers_) {
        dictionaryNumbers_.emplace(Dictionary());
    }
    return *dictionaryNumbers_;
}

const check::DefinitionsIndex& SearchData::Definitions() {
    if (definitionsFile_.empty()) {
        throw DataFailure(UnknownProgramFolderMessage());
    }
    if (!definitions_) {
        definitions_.emplace(definitionsFile_, "Cont", Dictionary().size());
    }
    if (definitions_->ErrorNumber() != 0) {
        throw DataFailure(check::DefinitionsFileMessage(definitions_->ErrorNumber()));
    }
    if (!definitions_->Damage().empty()) {
        throw DataFailure(check::DamagedDefinitionsMessage(definitions_->Damage()));
    }
    return *definitions_;
}

} // namespace zorvane::cli
