#include "nearwords/NearWordFailure.h"

#include "app/InternalError.h"
#include "data/Cp1252Literal.h"

#include <new>

namespace zorvane::nearwords {

CountOverflow::CountOverflow() : std::overflow_error(std::string("Dépassement de capacité"_cp)) {}

std::string NearWordFailureText() {
    // Numbered like the usual run-time errors: 6 overflow, 7 out of memory, 51 internal.
    try {
        throw;
    } catch (const std::overflow_error& failure) {
        return app::InternalErrorText(failure.what(), kPlaceNearWords, 6);
    } catch (const std::bad_alloc&) {
        return app::InternalErrorText("Mémoire insuffisante"_cp, kPlaceNearWords, 7);
    } catch (const std::exception& failure) {
        return app::InternalErrorText(failure.what(), kPlaceNearWords, 51);
    } catch (...) {
        return app::InternalErrorText("Erreur interne"_cp, kPlaceNearWords, 51);
    }
}

} // namespace zorvane::nearwords
