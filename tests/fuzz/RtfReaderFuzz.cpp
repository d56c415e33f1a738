// The rich-text reader on arbitrary bytes: no crash, and never more text than input.

#include "FuzzCheck.h"
#include "ui/RtfReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const zorvane::ui::RtfDocument document =
        zorvane::ui::ParseRtf(std::string_view(reinterpret_cast<const char*>(bytes), size));
    std::size_t characters = 0;
    for (const auto& paragraph : document.paragraphs) {
        for (const auto& run : paragraph) {
            FUZZ_CHECK(!run.text.empty());
            characters += run.text.size();
        }
    }
    // Every shown character costs at least one input byte; every paragraph a break.
    FUZZ_CHECK(characters <= size);
    FUZZ_CHECK(document.paragraphs.size() <= size + 1);
    return 0;
}
