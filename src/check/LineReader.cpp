#include "check/LineReader.h"

#include <cstring>

namespace zorvane::check {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

LineReader::LineReader(std::FILE* file) : file_(file) {}

bool LineReader::Refill() {
    blockStart_ += end_;
    begin_ = 0;
    end_ = std::fread(block_.data(), 1, block_.size(), file_);
    if (end_ == 0 && std::ferror(file_) != 0) {
        failed_ = true;
    }
    if (firstBlock_) {
        firstBlock_ = false;
        if (std::string_view(block_.data(), end_).starts_with(kByteOrderMark)) {
            begin_ = kByteOrderMark.size();
        }
    }
    return begin_ < end_;
}

bool LineReader::Next(std::string_view& line) {
    spanning_.clear();
    bool started = false;   // part of the line is already behind, in spanning_ when kept
    std::size_t length = 0; // bytes of the line met so far
    for (;;) {
        if (begin_ == end_ && !Refill()) {
            line = spanning_;
            return started && length <= kMaxLineLength && !failed_;
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (block_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        if (!started && length == 0) {
            lineStart_ = blockStart_ + begin_;
        }
        const char* start = block_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t searched = lineFeed != nullptr ? lineFeed - start : available;
        const auto* carriage = static_cast<const char*>(std::memchr(start, '\r', searched));
        const char* stop = carriage != nullptr ? carriage : lineFeed;
        const std::size_t piece = stop != nullptr ? stop - start : available;
        length += piece;
        const bool kept = length <= kMaxLineLength;
        if (stop == nullptr) {
            if (kept) {
                spanning_.append(start, piece);
            }
            started = true;
            begin_ = end_;
            continue;
        }
        std::size_t consumed = piece + 1;
        if (carriage != nullptr) {
            if (carriage + 1 == lineFeed) {
                ++consumed;
            } else if (begin_ + consumed == end_) {
                skipLineFeed_ = true; // its LF, if any, opens the next block
            }
        }
        begin_ += consumed;
        if (!kept) { // too long to be an entry: its tail is skipped, the next line read
            spanning_.clear();
            started = false;
            length = 0;
            continue;
        }
        if (started) {
            spanning_.append(start, piece);
            line = spanning_;
        } else {
            line = std::string_view(start, piece);
        }
        return true;
    }
}

} // namespace zorvane::check
