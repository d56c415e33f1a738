#pragma once
// A small reader for the rich text that Zorvane ships (its conditions of use): paragraphs,
// bold, italic, \'hh cp1252 escapes and \uN characters. Unknown control words are passed
// over and destination groups ({\*...}, font and colour tables...) skipped. Malformed input
// gives its best-effort text, never a failure.

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::ui {

struct RtfRun {
    std::u32string text;
    bool bold = false;
    bool italic = false;
};

using RtfParagraph = std::vector<RtfRun>;

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
};

RtfDocument ParseRtf(std::string_view rtf);

} // namespace zorvane::ui
