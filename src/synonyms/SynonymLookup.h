#pragma once
// The synonym lookup: the search key of a typed text, the headwords that begin with a key
// (rebuilt at each keystroke) and the synonyms of exactly that word, over the letter tables
// of the word store. Texts are cp1252; the lookup never changes the store.

#include "data/WordStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::synonyms {

// Where a failure happened, in the internal-error report.
inline constexpr std::string_view kPlacePrefixList = "022";
inline constexpr std::string_view kPlaceLookup = "027";

// The typed text with its small accented letters folded, then in lower case ("École"
// gives "école", "Maison" gives "maison").
std::string SearchKey(std::string_view typed);

// The letter ('A'..'Z') of the table a key is looked up in, or 0 when its first character
// selects none (a digit, a blank, "î"...).
char TableLetter(std::string_view key);

struct PrefixListResult {
    std::vector<std::string_view> headwords; // in store order, duplicates kept
    std::string message;                     // "Aucun mot dans la liste." ...
    std::string failure;                     // internal-error report, empty when none
};

struct SynonymResult {
    bool found = false;
    std::string headword;
    std::string category;              // category code of the matched entry
    std::string synonymsText;          // everything after its first "$"
    std::vector<std::string> synonyms; // at most 21, sorted
    std::string message;               // "3 synonymes pour ''mot''." ...
    std::string caption;               // "MOT: nom", or empty
    std::string failure;               // internal-error report, empty when none
};

class SynonymLookup {
public:
    explicit SynonymLookup(const data::WordStore& store) : store_(store) {}

    // Headwords whose key begins with the key; none for a key under 2 characters. The
    // views point into the store.
    PrefixListResult PrefixList(std::string_view key) const;

    // The first entry whose key is the key; typed (the user's text as entered) only goes
    // into the message and the caption.
    SynonymResult Lookup(std::string_view key, std::string_view typed) const;

private:
    const data::WordStore& store_;
};

} // namespace zorvane::synonyms
