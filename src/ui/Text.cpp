#include "ui/Text.h"

#include "data/Cp1252.h"

#include <QList>

namespace zorvane::ui {

QString ToQt(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252) {
        text.append(QChar(static_cast<char16_t>(cp1252::ToUnicode(static_cast<unsigned char>(c)))));
    }
    return text;
}

std::string FromQt(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4()) {
        const int byte = cp1252::FromUnicode(code);
        bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

} // namespace zorvane::ui
