#include "crossword/PatternMessages.h"

#include "data/Cp1252Literal.h"
#include "data/InternalError.h"

namespace zorvane::crossword {
std::string TooManyUnknownsMessage() {
    return std::string("Le nombre de caractère joker '' ? '' est trop important.\r\n"
                       "Modifiez la recherche."_cp);
}

std::string ResultText(std::size_t count) {
    if (count == 0) {
        return std::string("Aucun mot trouvé"_cp);
    }
    return std::to_string(count) + std::string(count == 1 ? " mot trouvé"_cp : " mots trouvés"_cp);
}

std::string FailureText(std::string_view placeCode) {
    return data::InternalErrorText(placeCode, placeCode, data::CurrentFailure().number);
}

} // namespace zorvane::crossword
