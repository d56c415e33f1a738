#pragma once
// The data the searches read, each part made from the resources the first time a search
// asks for it: a command-line run loads only what its one search needs.

#include "check/DefinitionsIndex.h"
#include "check/WordNumbers.h"
#include "communes/CommuneLists.h"
#include "crossword/LengthTable.h"
#include "data/WordStore.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// The bytes of a resource by type and id, as the program holds them; nothing when missing.
using ResourceBytes = std::function<std::optional<std::string_view>(std::string_view, int)>;

// A resource that is missing, empty or broken; what() is the French text, cp1252.
class DataFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SearchData {
public:
    SearchData(ResourceBytes resources, std::string definitionsFile);

    const std::vector<std::string>& Dictionary();
    const std::vector<std::string>& AnagramList();
    std::string_view AnagramBytes(); // the list as the resource holds it
    const crossword::LengthTable& Lengths();
    const data::WordStore& Synonyms(); // the store with its 26 synonym tables filled
    const communes::PostcodeList& Postcodes();
    const communes::NameList& Names();
    const std::string& DefinitionsFile() const { return definitionsFile_; }

    // What the commune lists could not hold, to tell the user (cp1252).
    const std::vector<std::string>& Warnings() const { return warnings_; }

    // The dictionary's word numbers and the definitions file, checked and indexed at the
    // first check of the run, so that every check after it reads one line; a DataFailure
    // when the folder is unknown or the file is missing, unreadable or damaged.
    const check::WordNumbers& DictionaryNumbers();
    const check::DefinitionsIndex& Definitions();

private:
    std::string_view Bytes(std::string_view type, int id);
    data::WordStore& Store();
    [[noreturn]] void Fail(std::string_view type, int id, std::string_view why);
    template <typename List, typename Fill>
    const List& CommuneList(std::optional<List>& list, std::string_view type, int id, Fill fill);

    ResourceBytes resources_;
    std::string definitionsFile_;
    std::unique_ptr<data::WordStore> store_;
    bool dictionaryRead_ = false;
    bool anagramListRead_ = false;
    bool synonymsRead_ = false;
    std::optional<crossword::LengthTable> lengths_;
    std::optional<communes::PostcodeList> postcodes_;
    std::optional<communes::NameList> names_;
    std::vector<std::string> warnings_;
    std::optional<check::WordNumbers> dictionaryNumbers_;
    std::optional<check::DefinitionsIndex> definitions_;
};

} // namespace zorvane::cli
