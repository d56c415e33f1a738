#include "synonyms/FailureReport.h"

#include "app/InternalError.h"
#include "data/Cp1252Literal.h"

#include <new>
#include <stdexcept>

namespace zorvane::synonyms {
namespace {

struct Failure {
    std::string_view description;
    long number;
};

// Numbered like the usual run-time error codes: 7 out of memory, 9 index out of range.
Failure CurrentFailure() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return {"Mémoire insuffisante"_cp, 7};
    } catch (const std::out_of_range&) {
        return {"L'indice n'appartient pas à la sélection"_cp, 9};
    } catch (...) {
        return {"Erreur inattendue"_cp, 51};
    }
}

} // namespace

std::string ReportCurrentFailure(std::string_view placeCode) {
    const Failure failure = CurrentFailure();
    return app::InternalErrorText(failure.description, placeCode, failure.number);
}

} // namespace zorvane::synonyms
