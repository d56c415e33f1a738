// The rich-text reader on arbitrary bytes: no crash, and never more text than input.

#include "FuzzHarness.h"
#include "ui/RtfReader.h"

FUZZ_TARGET(input) {
    const zorvane::ui::RtfDocument document = zorvane::ui::ParseRtf(input);
    std::size_t characters = 0;
    for (const auto& paragraph : document.paragraphs) {
        for (const auto& run : paragraph) {
            FUZZ_CHECK(!run.text.empty());
            characters += run.text.size();
        }
    }
    // Every shown character costs at least one input byte; every paragraph a break.
    FUZZ_CHECK(characters <= input.size());
    FUZZ_CHECK(document.paragraphs.size() <= input.size() + 1);
}
