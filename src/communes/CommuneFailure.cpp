#include "communes/CommuneFailure.h"

#include "app/InternalError.h"
#include "data/Cp1252Literal.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace zorvane::communes {

std::string CurrentFailureText(std::string_view place) {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return app::InternalErrorText("Mémoire insuffisante"_cp, place, 7);
    } catch (const std::out_of_range&) {
        return app::InternalErrorText("L'indice n'appartient pas à la sélection"_cp, place, 9);
    } catch (...) {
        return app::InternalErrorText("Appel de procédure ou argument incorrect"_cp, place, 5);
    }
}

} // namespace zorvane::communes
