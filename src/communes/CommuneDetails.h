#pragma once
// The eleven detail lines of the commune window: their captions, what each shows of a
// commune, and the text copied from them.

#include "communes/CommuneRecord.h"

#include <array>
#include <string>
#include <string_view>

namespace zorvane::communes {

inline constexpr std::size_t kDetailCount = 11;
using DetailTexts = std::array<std::string, kDetailCount>;

// "Commune:", "Nom minuscule:", ... "Longitude:", top to bottom (cp1252).
const std::array<std::string_view, kDetailCount>& DetailCaptions();

// What the labels show: the record's values in order, the region, INSEE, academy and
// holiday-zone codes after one blank.
DetailTexts DetailsOf(const CommuneRecord& record);

// "Commune: " + first text, then each other caption, blank and text on its own CR LF line.
std::string CopiedText(const DetailTexts& shown);

} // namespace zorvane::communes
