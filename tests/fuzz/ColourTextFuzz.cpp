// Colour texts read from the settings store: any text gives a usable colour.

#include "FuzzHarness.h"
#include "app/ColourSettings.h"

#include <string>

using namespace zorvane::app;

FUZZ_TARGET(input) {
    const std::string text(input);
    if (const auto number = ColourNumber(text)) {
        FUZZ_CHECK(*number <= 0xFFFFFF); // nothing wraps to another colour
        // A decimal text reads back to the same number when written the dialog's way.
        if (text.rfind("&H", 0) != 0 && text.rfind("&h", 0) != 0) {
            FUZZ_CHECK(ColourNumber(std::to_string(*number)) == number);
        }
    }
    const StoredColour resolved = ResolveColour(text, kDefaultCouleurBar);
    FUZZ_CHECK(ColourNumber(resolved.text).has_value());
    FUZZ_CHECK(resolved.writeBack == !ColourNumber(text).has_value());
}
