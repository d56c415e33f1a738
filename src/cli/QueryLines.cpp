#include "cli/QueryLines.h"

#include "data/Cp1252Literal.h"

namespace zorvane::cli {

std::string TooLongQueryMessage() {
    return std::string("la requête dépasse "_cp) + std::to_string(kMaxQueryBytes) +
           std::string(" octets ; elle est refusée et la lecture s'arrête là."_cp);
}

// Room for the longest query, its CR, and one byte more that tells a longer line.
constexpr std::size_t kRoom = kMaxQueryBytes + 2;

QueryLines::QueryLines(std::istream& in) : in_(in), buffer_(kRoom + 1) {}

QueryLines::Read QueryLines::Next(std::string& line) {
    line.clear();
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto taken = static_cast<std::size_t>(in_.gcount());
    if (in_.bad() || (in_.fail() && (in_.eof() || taken < kRoom))) {
        return Read::End; // nothing more, or the input failed
    }
    if (in_.fail()) {
        return Read::TooLong; // the buffer filled up before the line ended
    }
    const bool lineEnded = !in_.eof(); // the LF is counted in taken, not stored
    line.assign(buffer_.data(), lineEnded ? taken - 1 : taken);
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    if (line.size() > kMaxQueryBytes) {
        line.clear();
        return Read::TooLong;
    }
    return Read::Line;
}

} // namespace zorvane::cli
