#pragma once
// The one crossing between cp1252 bytes (cores, resources) and Qt strings (widgets).

#include <QString>
#include <string>
#include <string_view>

namespace zorvane::ui {

QString ToQt(std::string_view cp1252);
// Characters that cp1252 cannot hold become "?".
std::string FromQt(const QString& text);

} // namespace zorvane::ui
