#include "anagram/PackedIndex.h"

#include <algorithm>
#include <array>

namespace zorvane::anagram {
namespace {

std::uint64_t KeyOf(std::string_view word) {
    PackedKey key;
    for (const char letter : TriLettres(word)) {
        key.Append(letter);
    }
    return key.Value();
}

} // namespace

std::int32_t PackedKey::Bucket(std::uint64_t packed) {
    std::array<char, kMaxLetters> letters{};
    std::size_t size = 0;
    for (; packed != 0; packed >>= 5) {
        letters[size++] = static_cast<char>('A' - 1 + (packed & 31));
    }
    // Horner's rule as HachageCle, first letter first, reduced every fifth letter only:
    // five bytes on top of a value below 130469 stay below 2^63.
    std::uint64_t h = 0;
    for (std::size_t i = size; i-- > 0;) {
        h = h << 8 | static_cast<unsigned char>(letters[i]);
        if (i % 5 == 0) {
            h %= kBucketModulus;
        }
    }
    return static_cast<std::int32_t>(h);
}

void PackedIndex::SetBits(std::uint64_t key) {
    const std::uint64_t mixed = Mixed(key);
    for (const std::uint64_t hash : {mixed >> 42, mixed >> 20}) {
        const std::uint64_t bit = hash & (kFilterBits - 1);
        filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
}

PackedIndex::PackedIndex(const AnagramIndex& index) {
    starts_.reserve(index.TabAna().size() + 1);
    for (const BucketEntry& bucket : index.TabAna()) {
        const auto start = static_cast<std::ptrdiff_t>(words_.size());
        starts_.push_back(static_cast<std::uint32_t>(start));
        auto add = [&](std::string_view word) {
            const std::uint64_t key = KeyOf(word);
            if (key != 0 && std::find(words_.begin() + start, words_.end(), word) == words_.end()) {
                keys_.push_back(key);
                SetBits(key);
                words_.push_back(word);
            }
        };
        if (!bucket.Mot.empty()) {
            add(bucket.Mot);
        }
        for (const std::int32_t further : bucket.Liste) {
            add(index.MotsAna()[further]);
        }
    }
    starts_.push_back(static_cast<std::uint32_t>(words_.size()));
}

} // namespace zorvane::anagram
