#pragma once
// A quick look at a definitions file before many words are checked in it: its size, its
// first lines and its last entry tell a damaged or foreign file at once, without reading
// it all.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::check {

// The file beside the program takes some 14 MB; one far larger is not ours.
inline constexpr std::uint64_t kMaxDefinitionsBytes = std::uint64_t{256} << 20;
// How much of each end of the file the look takes.
inline constexpr std::size_t kHealthProbeBytes = std::size_t{64} * 1024;

// Why a file of size bytes, starting with head and ending with tail (each the whole file
// when it is shorter than kHealthProbeBytes), cannot hold the entries of a word list of
// wordCount words: the French reason (cp1252), or nothing when it may. It must open with
// a section header and end with the entry of the last word, wordCount. A leading UTF-8
// byte-order mark is allowed.
std::optional<std::string> DefinitionsDamage(std::uint64_t size, std::string_view head,
                                             std::string_view tail, std::size_t wordCount);

} // namespace zorvane::check
