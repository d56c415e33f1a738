#include "nearwords/NearWordFailure.h"

#include "data/Cp1252Literal.h"

namespace zorvane::nearwords {

CountOverflow::CountOverflow() : std::overflow_error(std::string("Dépassement de capacité"_cp)) {}

} // namespace zorvane::nearwords
