#pragma once
// Upper and lower case of cp1252 texts, letter by letter as Windows maps them: A-Z, the
// accented capitals À-Þ (× aside) and Š, Œ, Ž, Ÿ; "ß" and "µ" have no partner and stay.

#include <string>
#include <string_view>

namespace zorvane::data {

char LowerCp1252(char c);
char UpperCp1252(char c);
std::string ToLowerCp1252(std::string_view text);
std::string ToUpperCp1252(std::string_view text);

} // namespace zorvane::data
