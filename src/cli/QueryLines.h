#pragma once
// The queries given on standard input, one per line, each read into a buffer of bounded
// size: a line longer than any query, or input that never ends a line (/dev/zero), is
// refused once read that far, never held whole.

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace zorvane::cli {

// Far above any query the searches take (15 letters, a 45-letter commune name).
inline constexpr std::size_t kMaxQueryBytes = std::size_t{64} * 1024;

// Why a query longer than kMaxQueryBytes is refused (cp1252).
std::string TooLongQueryMessage();

class QueryLines {
public:
    enum class Read { Line, TooLong, End };

    explicit QueryLines(std::istream& in);

    // The next line without its end (LF, or CR LF); TooLong when it holds more than
    // kMaxQueryBytes bytes (the rest of it is left unread); End when the input is over.
    Read Next(std::string& line);

private:
    std::istream& in_;
    std::vector<char> buffer_; // filled by each line: one allocation for the whole input
};

} // namespace zorvane::cli
