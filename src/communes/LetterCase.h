#pragma once
// Upper and lower case of cp1252 text as Windows maps it: A-Z, À-Þ (× aside), Š, Œ, Ž, Ÿ.

#include <string>
#include <string_view>

namespace zorvane::communes {

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

} // namespace zorvane::communes
