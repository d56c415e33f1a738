// Colour texts read from the settings store: any text gives a usable colour.

#include "FuzzCheck.h"
#include "app/ColourSettings.h"

#include <cstdint>
#include <string>

using namespace zorvane::app;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    if (const auto number = ColourNumber(text)) {
        // A decimal text reads back to the same number when written the dialog's way.
        if (text.rfind("&H", 0) != 0 && text.rfind("&h", 0) != 0) {
            FUZZ_CHECK(ColourNumber(std::to_string(*number)) == number);
        }
    }
    const StoredColour resolved = ResolveColour(text, kDefaultCouleurBar);
    FUZZ_CHECK(ColourNumber(resolved.text).has_value());
    FUZZ_CHECK(resolved.writeBack == !ColourNumber(text).has_value());
    return 0;
}
