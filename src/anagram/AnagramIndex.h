#pragma once
// The anagram index: a fixed hash table from a word's sorted letters to the words of the
// anagram list, one word in the bucket itself and the others in a shared overflow array.
// A bucket holds every word whose key lands on it, anagrams of each other or not: telling
// them apart is the search's job.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::anagram {

inline constexpr std::int32_t kBucketModulus = 130469; // prime
inline constexpr std::int32_t kFirstCapacity = 13047;  // 130469 / 10, rounded

// The characters of a word in ascending byte order ("CHAT" gives "ACHT").
std::string TriLettres(std::string_view word);

// h = (code + h * 256) mod 130469 over the key's bytes; 0 ... 130468.
std::int32_t HachageCle(std::string_view key);

struct BucketEntry {
    std::string Mot;                 // first word of the bucket; empty: no word
    std::vector<std::int32_t> Liste; // further words, as indices of MotsAna, in insertion order
    bool Suite = false;              // true once the bucket has a further word
};

class AnagramIndex {
public:
    void InitAnagrammes();
    void AjouteMotAna(const std::string& word);

    // The words of the bucket of the letters' key, first word first; false (and an empty
    // paquet) when that bucket is empty. The views stay valid while the index lives.
    bool CherchePaquet(std::string_view letters, std::vector<std::string_view>& paquet) const;

    const std::vector<BucketEntry>& TabAna() const { return tabAna_; }
    const std::vector<std::string>& MotsAna() const { return motsAna_; }
    std::int32_t ProchainMotAna() const { return prochainMotAna_; }
    std::int32_t CapaciteMotsAna() const { return capaciteMotsAna_; }

private:
    std::vector<BucketEntry> tabAna_;
    std::vector<std::string> motsAna_;
    std::int32_t prochainMotAna_ = 1;
    std::int32_t capaciteMotsAna_ = kFirstCapacity;
};

// InitAnagrammes, then every word of the list in list order.
void BuildIndex(AnagramIndex& index, const std::vector<std::string>& listeAna);

} // namespace zorvane::anagram
