#include "cli/Utf8Text.h"

#include "data/Cp1252.h"

#include <algorithm>

namespace zorvane::cli {
namespace {

// The code point starting at i, i moved past it; nothing for a malformed, overlong or
// surrogate sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5 || i + static_cast<std::size_t>(extra) > text.size()) {
        return std::nullopt;
    }
    char32_t code = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = code << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return std::nullopt;
    }
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendCaret(std::string& out, unsigned char control) {
    out += '^';
    out += control == 0x7F ? '?' : static_cast<char>(control + 0x40);
}

} // namespace

std::string VisibleControls(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F) {
            AppendCaret(out, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next < 0xA0) { // U+0080 to U+009F
            out += "M-";
            AppendCaret(out, static_cast<unsigned char>(next - 0x80));
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!NextCodePoint(text, i)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> code = NextCodePoint(utf8, i);
        const int byte = code ? cp1252::FromUnicode(*code) : -1;
        if (byte < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (const char c : cp1252) {
        AppendUtf8(out, cp1252::ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252, std::string_view lineBreak) {
    std::string out;
    for (std::size_t start = 0; start <= cp1252.size();) {
        const std::size_t end = std::min(cp1252.find("\r\n", start), cp1252.size());
        out += Cp1252ToUtf8(cp1252.substr(start, end - start));
        if (end == cp1252.size()) {
            break;
        }
        out += lineBreak;
        start = end + 2;
    }
    return out;
}

} // namespace zorvane::cli
