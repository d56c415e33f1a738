#include "anagram/AnagramSearch.h"

#include "anagram/SeenKeys.h"
#include "anagram/SubsetKeys.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace zorvane::anagram {
namespace {

constexpr int kShortestWord = 2;
constexpr int kLongestMinimum = 15;
constexpr int kPasses = 26; // the joker stands for A, B, ... Z in turn

using MaskLists = std::array<std::vector<std::uint16_t>, kMaxDraw + 1>;

// The masks from 2^n - 1 down to 3 that hold every bit of required, grouped by the number
// of characters they select, so that a target length only walks the masks that can give it.
MaskLists MasksByCount(std::size_t n, unsigned required) {
    MaskLists masks;
    for (unsigned mask = (1U << n) - 1; mask >= 3; --mask) {
        if ((mask & required) == required) {
            masks[static_cast<std::size_t>(std::popcount(mask))].push_back(
                static_cast<std::uint16_t>(mask));
        }
    }
    return masks;
}

std::vector<SubsetKeys> JokerPasses(std::string draw, std::size_t joker) {
    if (joker == std::string::npos) {
        return {SubsetKeys(draw)};
    }
    std::vector<SubsetKeys> passes;
    for (int pass = 0; pass < kPasses; ++pass) {
        draw[joker] = static_cast<char>('A' + pass);
        passes.emplace_back(draw);
    }
    return passes;
}

// Whether a subset may repeat one met before, at the same length. Not when the draw's letters
// are all different and there is no joker; nor, then, for a subset holding the joker as a
// letter the draw lacks: no other subset, of this pass or another, holds that letter. Such
// subsets are left out of the remembered ones, which keeps that table small.
class RepeatRule {
public:
    RepeatRule(std::string_view letters, std::size_t joker) {
        std::array<int, 256> seen{};
        for (const char c : letters) {
            distinct_ = distinct_ && (c == kJoker || ++seen[static_cast<unsigned char>(c)] == 1);
        }
        if (joker != std::string_view::npos) {
            jokerBit_ = 1U << (letters.size() - 1 - joker);
            for (int pass = 0; pass < kPasses; ++pass) {
                inDraw_[pass] = seen['A' + pass] > 0;
            }
        }
    }

    bool CanRepeat(std::size_t pass, std::uint16_t mask) const {
        if (!distinct_) {
            return true;
        }
        return jokerBit_ != 0 && ((mask & jokerBit_) == 0 || inDraw_[pass]);
    }

private:
    bool distinct_ = true;
    unsigned jokerBit_ = 0;
    std::array<bool, kPasses> inDraw_{};
};

// Looks subsets up and takes in their anagrams, in the order of the masks it is given.
class Lookups {
public:
    Lookups(const PackedIndex& index, std::string_view mandatory, std::size_t mostKeys,
            AnagramResult& result)
        : index_(index), mandatory_(mandatory), seen_(mostKeys), result_(result) {}

    // What a batch of subsets reads is asked of memory together, a step ahead of its
    // reading, which hides most of the wait for each; the batch is taken in mask order.
    void Walk(const SubsetKeys& pass, std::size_t passNumber, const RepeatRule& repeats,
              const std::vector<std::uint16_t>& masks) {
        for (std::size_t from = 0; from < masks.size(); from += kBatch) {
            std::size_t count = 0;
            for (std::size_t i = from; i < std::min(from + kBatch, masks.size()); ++i) {
                if (const std::uint64_t key = pass.KeyOf(masks[i]); key != 0) {
                    index_.PrefetchFilter(key);
                    batch_[count++] = {key, masks[i], {}};
                }
            }
            std::size_t kept = 0;
            for (std::size_t i = 0; i < count; ++i) {
                // A subset whose letters were looked up before gives nothing new: its
                // bucket's anagrams were all accepted then, and a word is an anagram of one
                // letter set only.
                const Pending subset = batch_[i];
                if (index_.MayHold(subset.key) &&
                    (!repeats.CanRepeat(passNumber, subset.mask) || seen_.Insert(subset.key))) {
                    const std::int32_t bucket = PackedKey::Bucket(subset.key);
                    index_.PrefetchBucket(bucket);
                    batch_[kept++] = {
                        subset.key, subset.mask, {static_cast<std::size_t>(bucket), 0}};
                }
            }
            for (std::size_t i = 0; i < kept; ++i) {
                batch_[i].places = index_.Bucket(static_cast<std::int32_t>(batch_[i].places.first));
                index_.PrefetchPlaces(batch_[i].places);
            }
            for (std::size_t i = 0; i < kept; ++i) {
                TakeAnagrams(batch_[i]);
            }
        }
    }

private:
    static constexpr std::size_t kBatch = 64;
    struct Pending {
        std::uint64_t key;
        std::uint16_t mask;
        PackedIndex::Places places; // the bucket number in first, until its places are read
    };

    void TakeAnagrams(const Pending& subset) {
        for (std::size_t place = subset.places.first; place < subset.places.last; ++place) {
            if (index_.KeyAt(place) != subset.key) {
                continue; // shares the bucket without being an anagram
            }
            const std::string_view word = index_.WordAt(place);
            ++result_.accepted;
            if (mandatory_.empty() || word.find(mandatory_) != std::string_view::npos) {
                result_.combined.push_back(word);
                result_.byLength[word.size()].push_back(word);
            }
        }
    }

    const PackedIndex& index_;
    std::string_view mandatory_;
    SeenKeys seen_;
    AnagramResult& result_;
    std::array<Pending, kBatch> batch_{};
};

} // namespace

std::string_view UnSeulJokerMessage() {
    return "Attention, un seul joker est autorisé."_cp;
}

int LongueurMini(std::string_view text) {
    std::string number;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool sign = number.empty() && (c == '-' || c == '+');
        const bool point = c == '.' && number.find('.') == std::string::npos;
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (!digit && !sign && !point) {
            break;
        }
        number.push_back(c);
    }
    const double value = std::strtod(number.c_str(), nullptr); // 0 when nothing was read
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(std::clamp(value, 0.0, 100.0));
    return std::clamp(static_cast<int>(rounded), kShortestWord, kLongestMinimum);
}

AnagramResult ChercheAnagrammes(const PackedIndex& index, std::string_view draw,
                                std::string_view miniLettres, std::string_view mandatory) {
    AnagramResult result;
    const int minimum = LongueurMini(miniLettres);
    std::string letters;
    std::copy_if(draw.begin(), draw.end(), std::back_inserter(letters),
                 [](char c) { return c != ' '; });
    letters.resize(std::min(letters.size(), kMaxDraw));
    if (std::count(letters.begin(), letters.end(), kJoker) >= 2) {
        result.refused = true;
        return result;
    }
    const std::size_t joker = letters.find(kJoker);
    const std::vector<SubsetKeys> passes = JokerPasses(letters, joker);
    const std::size_t n = letters.size();
    // The subsets without the joker are the same in every pass: the first pass has met them
    // all at this length, so the later passes walk only the masks that hold the joker.
    const MaskLists allMasks = MasksByCount(n, 0);
    const MaskLists jokerMasks =
        MasksByCount(n, joker == std::string::npos ? 0 : 1U << (n - 1 - joker));

    const RepeatRule repeats(letters, joker);
    std::size_t mostKeys = 0;
    for (int length = static_cast<int>(n); length >= minimum; --length) {
        for (std::size_t pass = 0; pass < passes.size(); ++pass) {
            const MaskLists& masks = pass == 0 ? allMasks : jokerMasks;
            const std::vector<std::uint16_t>& ofLength = masks[static_cast<std::size_t>(length)];
            mostKeys += static_cast<std::size_t>(
                std::count_if(ofLength.begin(), ofLength.end(),
                              [&](std::uint16_t mask) { return repeats.CanRepeat(pass, mask); }));
        }
    }
    Lookups lookups(index, mandatory, mostKeys, result);
    for (int length = static_cast<int>(n); length >= minimum; --length) {
        for (std::size_t pass = 0; pass < passes.size(); ++pass) {
            const MaskLists& masks = pass == 0 ? allMasks : jokerMasks;
            lookups.Walk(passes[pass], pass, repeats, masks[static_cast<std::size_t>(length)]);
        }
    }
    return result;
}

} // namespace zorvane::anagram
