#include "ui/RtfReader.h"

#include "data/Cp1252.h"

#include <array>
#include <cctype>
#include <charconv>
#include <optional>

namespace zorvane::ui {
namespace {

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool skip = false;   // inside a destination whose text is not shown
    int unicodeSkip = 1; // \ucN: fallback characters that follow a \uN
};

constexpr std::array<std::string_view, 12> kSkippedDestinations = {
    "fonttbl", "colortbl",  "stylesheet",        "info",      "pict",      "header",
    "footer",  "listtable", "listoverridetable", "generator", "themedata", "latentstyles"};

bool IsSkippedDestination(std::string_view word) {
    for (const std::string_view skipped : kSkippedDestinations) {
        if (word == skipped) {
            return true;
        }
    }
    return false;
}

class Parser {
public:
    explicit Parser(std::string_view rtf) : rtf_(rtf) { document_.paragraphs.emplace_back(); }

    RtfDocument Run() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            switch (c) {
            case '{':
                // An unbalanced brace never unwinds past the document's own group.
                groups_.push_back(groups_.back());
                break;
            case '}':
                if (groups_.size() > 1) {
                    groups_.pop_back();
                }
                break;
            case '\\':
                ControlWord();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Byte(static_cast<unsigned char>(c));
            }
        }
        if (document_.paragraphs.back().empty()) {
            document_.paragraphs.pop_back();
        }
        return std::move(document_);
    }

private:
    GroupState& State() { return groups_.back(); }

    void Append(char32_t character) {
        if (State().skip) {
            return;
        }
        RtfParagraph& paragraph = document_.paragraphs.back();
        if (paragraph.empty() || paragraph.back().bold != State().bold ||
            paragraph.back().italic != State().italic) {
            paragraph.push_back({{}, State().bold, State().italic});
        }
        paragraph.back().text.push_back(character);
    }

    void Byte(unsigned char byte) {
        // Control bytes carry no text (a binary blob read as text, stray NULs...).
        if (byte >= 0x20 || byte == '\t') {
            Append(cp1252::ToUnicode(byte));
        }
    }

    void NewParagraph() {
        if (!State().skip) {
            document_.paragraphs.emplace_back();
        }
    }

    std::optional<int> Number() {
        const std::size_t start = pos_;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            ++pos_;
        }
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
            ++pos_;
        }
        int value = 0;
        const auto [end, error] = std::from_chars(rtf_.data() + start, rtf_.data() + pos_, value);
        if (error != std::errc{} || end == rtf_.data() + start) {
            return std::nullopt;
        }
        return value;
    }

    void SkipFallback(int count) {
        // The characters standing in for a \uN, each a plain byte or a \'hh escape.
        for (int i = 0; i < count && pos_ < rtf_.size(); ++i) {
            if (rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') {
                pos_ = std::min(rtf_.size(), pos_ + 4);
            } else if (rtf_[pos_] == '{' || rtf_[pos_] == '}' || rtf_[pos_] == '\\') {
                return;
            } else {
                ++pos_;
            }
        }
    }

    void HexEscape() {
        if (pos_ + 2 > rtf_.size()) {
            pos_ = rtf_.size(); // truncated escape: nothing to show
            return;
        }
        unsigned value = 0;
        const auto [end, error] =
            std::from_chars(rtf_.data() + pos_, rtf_.data() + pos_ + 2, value, 16);
        if (error != std::errc{} || end != rtf_.data() + pos_ + 2) {
            return; // not hex: the bytes are read as text
        }
        pos_ += 2;
        Byte(static_cast<unsigned char>(value));
    }

    void ControlWord() {
        if (pos_ >= rtf_.size()) {
            return;
        }
        const char first = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(first))) {
            ++pos_;
            ControlSymbol(first);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) {
            ++pos_;
        }
        const std::string_view word = rtf_.substr(start, pos_ - start);
        const std::optional<int> parameter = Number();
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
            ++pos_; // the delimiter belongs to the control word
        }
        Apply(word, parameter);
    }

    void ControlSymbol(char symbol) {
        switch (symbol) {
        case '\'':
            HexEscape();
            break;
        case '*':
            State().skip = true;
            break;
        case '~':
            Append(0xA0);
            break;
        case '\\':
        case '{':
        case '}':
            Append(static_cast<char32_t>(symbol));
            break;
        case '\r':
        case '\n':
            NewParagraph();
            break;
        default:
            break; // optional hyphen and others: nothing shown
        }
    }

    void Apply(std::string_view word, std::optional<int> parameter) {
        const bool on = !parameter || *parameter != 0;
        if (word == "par" || word == "line") {
            NewParagraph();
        } else if (word == "b") {
            State().bold = on;
        } else if (word == "i") {
            State().italic = on;
        } else if (word == "plain") {
            State().bold = State().italic = false;
        } else if (word == "tab") {
            Append('\t');
        } else if (word == "uc" && parameter) {
            State().unicodeSkip = std::max(0, *parameter);
        } else if (word == "u" && parameter) {
            const int code = *parameter < 0 ? *parameter + 65536 : *parameter;
            Append(code > 0 ? static_cast<char32_t>(code) : U'?');
            SkipFallback(State().unicodeSkip);
        } else if (word == "bin" && parameter) {
            pos_ = std::min(rtf_.size(), pos_ + static_cast<std::size_t>(std::max(0, *parameter)));
        } else if (IsSkippedDestination(word)) {
            State().skip = true;
        }
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::vector<GroupState> groups_{GroupState{}};
    RtfDocument document_;
};

} // namespace

RtfDocument ParseRtf(std::string_view rtf) {
    return Parser(rtf).Run();
}

} // namespace zorvane::ui
