#pragma once
// The anagram index laid out for the search: each bucket's words side by side, in the
// bucket's order, each with its letter key packed into one number. A lookup then reads two
// small arrays instead of a bucket entry, its overflow list and every word's letters, and
// tells the anagrams from the other words of the bucket by one comparison.

#include "anagram/AnagramIndex.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace zorvane::anagram {

// A letter key of 1 to 12 capitals A to Z packed 5 bits a letter (A = 1 ... Z = 26), first
// letter highest; 0 for any other text. Different keys give different numbers.
class PackedKey {
public:
    static constexpr std::size_t kMaxLetters = 12;

    void Append(char letter) {
        const bool capital = letter >= 'A' && letter <= 'Z';
        valid_ = valid_ && capital && size_ < kMaxLetters;
        value_ = value_ << 5 | static_cast<std::uint64_t>(capital ? letter - 'A' + 1 : 0);
        ++size_;
    }
    std::uint64_t Value() const { return valid_ && size_ > 0 ? value_ : 0; }

    // HachageCle of the letters a non-zero packed key holds.
    static std::int32_t Bucket(std::uint64_t packed);

private:
    std::uint64_t value_ = 0;
    std::size_t size_ = 0;
    bool valid_ = true;
};

class PackedIndex {
public:
    // Words that no draw of 12 capitals can spell (longer, or with other characters) are
    // left out; so is a second copy of a word within its bucket, which a search skips.
    explicit PackedIndex(const AnagramIndex& index);

    // The places of a bucket's words, in the bucket's order: first ... before last.
    struct Places {
        std::size_t first;
        std::size_t last;
    };
    // False when no word has this packed key; true for every key that has words, and for
    // a few that have none. It reads a table small enough to stay in the processor's cache.
    bool MayHold(std::uint64_t key) const {
        const std::uint64_t mixed = Mixed(key);
        return Bit(mixed >> 42) && Bit(mixed >> 20);
    }

    Places Bucket(std::int32_t bucket) const { return {starts_[bucket], starts_[bucket + 1]}; }
    std::uint64_t KeyAt(std::size_t place) const { return keys_[place]; }
    std::string_view WordAt(std::size_t place) const { return words_[place]; }

    // Asks memory for what MayHold, Bucket, KeyAt and WordAt will read, ahead of the reading.
    void PrefetchFilter(std::uint64_t key) const {
        const std::uint64_t mixed = Mixed(key);
        __builtin_prefetch(&filter_[(mixed >> 42 & (kFilterBits - 1)) / 64]);
        __builtin_prefetch(&filter_[(mixed >> 20 & (kFilterBits - 1)) / 64]);
    }
    void PrefetchBucket(std::int32_t bucket) const { __builtin_prefetch(&starts_[bucket]); }
    void PrefetchPlaces(Places places) const {
        __builtin_prefetch(keys_.data() + places.first);
        __builtin_prefetch(words_.data() + places.first);
    }

private:
    static constexpr std::uint64_t kFilterBits = std::uint64_t{1} << 22;
    static std::uint64_t Mixed(std::uint64_t key) { return key * 0x9E3779B97F4A7C15ULL; }
    bool Bit(std::uint64_t hash) const {
        const std::uint64_t bit = hash & (kFilterBits - 1);
        return (filter_[bit / 64] >> (bit % 64) & 1) != 0;
    }
    void SetBits(std::uint64_t key);

    std::vector<std::uint64_t> filter_ = std::vector<std::uint64_t>(kFilterBits / 64);
    // Bucket b holds the places starts_[b] ... before starts_[b + 1]. The keys lie apart from
    // the words, so that walking a bucket reads only its keys.
    std::vector<std::uint32_t> starts_;
    std::vector<std::uint64_t> keys_;
    std::vector<std::string_view> words_;
};

// The packed copy of the index, made by the first anagram search of the run (inside its
// waiting state) and shared by every anagram window after it.
class SharedPackedIndex {
public:
    const PackedIndex& Of(const AnagramIndex& index) {
        if (packed_ == nullptr) {
            packed_ = std::make_unique<PackedIndex>(index);
        }
        return *packed_;
    }

private:
    std::unique_ptr<PackedIndex> packed_;
};

} // namespace zorvane::anagram
