#pragma once
// Reads a text file one line at a time through a fixed block, so a file of any size is
// streamed, never held whole; a line longer than kMaxLineLength is passed over whole, so
// at most that much of any line is ever held. A UTF-8 byte-order mark that an editor put
// at the start is not part of the first line.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace zorvane::check {

class LineReader {
public:
    static constexpr std::size_t kBlockSize = std::size_t{64} * 1024;
    // Far above any real definition line (a few hundred bytes).
    static constexpr std::size_t kMaxLineLength = std::size_t{8} * 1024;

    // Reads from an open file; the caller keeps ownership of it.
    explicit LineReader(std::FILE* file);

    // The next line of at most kMaxLineLength bytes, without its end (CR LF, LF or a lone
    // CR), valid until the next call; false at the end of the file or on a read error. The
    // last line needs no line end.
    bool Next(std::string_view& line);
    bool Failed() const { return failed_; }
    // Where the line last given starts, in bytes from where the reading started.
    std::uint64_t LineStart() const { return lineStart_; }

private:
    bool Refill();

    std::FILE* file_;
    std::array<char, kBlockSize> block_{}; // held in place: a reading allocates no block
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t blockStart_ = 0; // where block_ starts in the reading
    std::uint64_t lineStart_ = 0;
    bool firstBlock_ = true;
    std::string spanning_;      // a line that runs over the end of the block
    bool skipLineFeed_ = false; // the last line ended with a CR at the end of a block
    bool failed_ = false;
};

} // namespace zorvane::check
