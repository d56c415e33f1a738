#pragma once
// The two commune lists the commune window loads from its resources: LISTEPARCP ordered
// by postal code, LISTEPARNOM ordered by name, one entry per commune and postal code.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::communes {

inline constexpr std::string_view kPostcodeResource = "LISTEPARCP";
inline constexpr int kPostcodeResourceId = 200;
inline constexpr std::string_view kNameResource = "LISTEPARNOM";
inline constexpr int kNameResourceId = 201;
// The most entries a list holds; longer resources are cut there.
inline constexpr std::size_t kCommuneCapacity = 36379;

// Entry i is line i + 1 of the resource: the whole line and its key, side by side.
struct CommuneList {
    std::vector<std::string> lines;
    std::vector<std::string> keys;
    std::size_t Count() const { return lines.size(); }
};
// Keys: the text before the first "§".
struct PostcodeList : CommuneList {};
// Keys: the name key, before the "$".
struct NameList : CommuneList {};

// Replaces the list with the lines of the resource bytes. A last text made only of
// padding NULs is no entry. Entries past the capacity are not stored: the result is then the
// French warning (cp1252) to show, which names the resource.
std::optional<std::string> FillPostcodeList(PostcodeList& list, std::string_view bytes);
std::optional<std::string> FillNameList(NameList& list, std::string_view bytes);

// The French message (cp1252) for a commune resource the program does not find.
std::string MissingResourceText(std::string_view type, int id);

} // namespace zorvane::communes
