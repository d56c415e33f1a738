#include "data/InternalError.h"

#include "data/Cp1252Literal.h"

#include <new>
#include <stdexcept>

namespace zorvane::data {

std::string InternalErrorText(std::string_view description, std::string_view placeCode,
                              long number) {
    return std::string(description) + std::string(17, ' ') + "\r\nErreur interne " +
           std::string(placeCode) + " - " + std::to_string(number);
}

Failure CurrentFailure() {
    try {
        throw;
    } catch (const std::invalid_argument&) {
        return {std::string("Appel de procédure ou argument incorrect"_cp), 5};
    } catch (const std::overflow_error&) {
        return {std::string("Dépassement de capacité"_cp), 6};
    } catch (const std::bad_alloc&) {
        return {std::string("Mémoire insuffisante"_cp), 7};
    } catch (const std::out_of_range&) {
        return {std::string("L'indice n'appartient pas à la sélection"_cp), 9};
    } catch (...) {
        return {std::string("Erreur inattendue"_cp), 51};
    }
}

std::string CurrentFailureText(std::string_view placeCode) {
    const Failure failure = CurrentFailure();
    return InternalErrorText(failure.description, placeCode, failure.number);
}

} // namespace zorvane::data
