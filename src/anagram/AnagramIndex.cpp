#include "anagram/AnagramIndex.h"

namespace zorvane::anagram {

std::string TriLettres(std::string_view word) {
    // Words are short (15 letters at most in the lists): an insertion sort beats std::sort.
    std::string key(word);
    for (std::size_t i = 1; i < key.size(); ++i) {
        const char letter = key[i];
        std::size_t j = i;
        for (; j > 0 && static_cast<unsigned char>(key[j - 1]) > static_cast<unsigned char>(letter);
             --j) {
            key[j] = key[j - 1];
        }
        key[j] = letter;
    }
    return key;
}

std::int32_t HachageCle(std::string_view key) {
    std::int32_t h = 0;
    for (const char c : key) {
        h = (static_cast<unsigned char>(c) + h * 256) % kBucketModulus;
    }
    return h;
}

void AnagramIndex::InitAnagrammes() {
    tabAna_.assign(kBucketModulus + 1, BucketEntry{});
    motsAna_.assign(kBucketModulus + 1, std::string{});
    capaciteMotsAna_ = kFirstCapacity;
    prochainMotAna_ = 1;
}

void AnagramIndex::AjouteMotAna(const std::string& word) {
    BucketEntry& bucket = tabAna_[HachageCle(TriLettres(word))];
    if (bucket.Mot.empty() || bucket.Mot == word) {
        // A repeat of the bucket's first word adds nothing.
        bucket.Mot = word;
        return;
    }
    bucket.Suite = true;
    bucket.Liste.push_back(prochainMotAna_);
    motsAna_[prochainMotAna_] = word;
    ++prochainMotAna_;
    if (prochainMotAna_ > capaciteMotsAna_) {
        // Doubling keeps every used index: the first growth even shrinks the initial
        // 0 ... 130469 array to 0 ... 26094, while at most 13047 indices are in use.
        capaciteMotsAna_ *= 2;
        motsAna_.resize(static_cast<std::size_t>(capaciteMotsAna_) + 1);
    }
}

bool AnagramIndex::CherchePaquet(std::string_view letters,
                                 std::vector<std::string_view>& paquet) const {
    paquet.clear();
    const BucketEntry& bucket = tabAna_[HachageCle(TriLettres(letters))];
    if (bucket.Mot.empty()) {
        return false;
    }
    paquet.emplace_back(bucket.Mot);
    for (const std::int32_t index : bucket.Liste) {
        paquet.emplace_back(motsAna_[index]);
    }
    return true;
}

void BuildIndex(AnagramIndex& index, const std::vector<std::string>& listeAna) {
    index.InitAnagrammes();
    for (const std::string& word : listeAna) {
        index.AjouteMotAna(word);
    }
}

} // namespace zorvane::anagram
