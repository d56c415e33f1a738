#include "check/LineReader.h"

#include <cstring>

namespace zorvane::check {

LineReader::LineReader(std::FILE* file) : file_(file), block_(kBlockSize) {}

bool LineReader::Refill() {
    begin_ = 0;
    end_ = std::fread(block_.data(), 1, block_.size(), file_);
    if (end_ == 0 && std::ferror(file_) != 0) {
        failed_ = true;
    }
    return end_ > 0;
}

bool LineReader::Next(std::string_view& line) {
    spanning_.clear();
    bool started = false; // part of the line is already in spanning_
    for (;;) {
        if (begin_ == end_ && !Refill()) {
            line = spanning_;
            return started && !failed_;
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (block_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        const char* start = block_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t searched = lineFeed != nullptr ? lineFeed - start : available;
        const auto* carriage = static_cast<const char*>(std::memchr(start, '\r', searched));
        const char* stop = carriage != nullptr ? carriage : lineFeed;
        if (stop == nullptr) {
            spanning_.append(start, available);
            started = true;
            begin_ = end_;
            continue;
        }
        std::size_t consumed = stop - start + 1;
        if (carriage != nullptr) {
            if (carriage + 1 == lineFeed) {
                ++consumed;
            } else if (begin_ + consumed == end_) {
                skipLineFeed_ = true; // its LF, if any, opens the next block
            }
        }
        begin_ += consumed;
        if (started) {
            spanning_.append(start, stop - start);
            line = spanning_;
        } else {
            line = std::string_view(start, stop - start);
        }
        return true;
    }
}

} // namespace zorvane::check
