#include "synonyms/SynonymLookup.h"

#include "support/TestContext.h"
#include "synonyms/SynonymData.h"
#include "synonyms/SynonymMessages.h"
#include "synonyms/SynonymOrder.h"

#include <gtest/gtest.h>

using namespace zorvane;
using namespace zorvane::synonyms;

namespace {

using Views = std::initializer_list<std::string_view>;

std::string Cp(std::string_view text) {
    return std::string(text);
}

std::vector<std::string> Texts(const std::vector<std::string_view>& views) {
    return {views.begin(), views.end()};
}

class SynonymLookupTest : public ::testing::Test {
protected:
    zorvane::testing::TestContext test{{}, zorvane::testing::SampleSynonymLines()};
    SynonymLookup lookup{test.store};
};

} // namespace

TEST(SynonymSearchKey, FoldsSmallAccentsThenLowersWhatIsLeftAndPicksTheTable) {
    EXPECT_EQ(SearchKey("Maison"), "maison");
    EXPECT_EQ(SearchKey("à "_cp), "a ");
    EXPECT_EQ(SearchKey("École"_cp), Cp("école"_cp)); // the capital's accent survives
    EXPECT_EQ(SearchKey("ŒUVRE ÇÀ ŠŽŸÞ ×"_cp), Cp("œuvre çà šžÿþ ×"_cp));

    EXPECT_EQ(std::string({TableLetter("a "), TableLetter("école"_cp), TableLetter("ça"_cp),
                           TableLetter("ôter"_cp), TableLetter("zèbre"_cp)}),
              "AECOZ");
    for (const std::string_view none : Views{"", "1er", " a", "Maison", "île"_cp, "œuvre"_cp}) {
        EXPECT_EQ(TableLetter(none), 0) << none;
    }
}

TEST_F(SynonymLookupTest, PrefixListScansOneTableInStoreOrder) {
    const PrefixListResult blank = lookup.PrefixList("a ");
    EXPECT_EQ(Texts(blank.headwords),
              (std::vector<std::string>{Cp("à bras ouverts"_cp), "a priori", Cp("à cause de"_cp)}));
    EXPECT_TRUE(blank.failure.empty());

    // Duplicates are all listed; a capital in a stored key matches a small letter.
    EXPECT_EQ(Texts(lookup.PrefixList("assommant").headwords),
              (std::vector<std::string>{"assommant", "assommant"}));
    EXPECT_EQ(Texts(lookup.PrefixList("arbre de j").headwords),
              std::vector<std::string>{Cp("arbre de Judée"_cp)});
    EXPECT_EQ(lookup.PrefixList("chaton").message, Cp("Un mot listé."_cp));
    EXPECT_EQ(lookup.PrefixList("chat").headwords.size(), 2U);
    EXPECT_EQ(Texts(lookup.PrefixList("ca").headwords), std::vector<std::string>{Cp("çà"_cp)});

    for (const std::string_view nothing :
         Views{"a", "c", "", "1a", " a", "chats", "xy", "école"_cp, "assommante"}) {
        EXPECT_TRUE(lookup.PrefixList(nothing).headwords.empty()) << nothing;
    }
}

TEST_F(SynonymLookupTest, LookupTakesTheFirstEqualKeyAndBuildsItsTexts) {
    for (const std::string_view typed : {"Maison", "maison", "MAISON"}) {
        const SynonymResult result = lookup.Lookup(SearchKey(typed), typed);
        ASSERT_TRUE(result.found) << typed;
        EXPECT_EQ(result.headword, "maison");
        EXPECT_EQ(result.category, "adj n");
        EXPECT_EQ(result.synonyms, (std::vector<std::string>{Cp("bâtiment"_cp), "demeure", "foyer",
                                                             "habitation", "logis"}));
    }

    const SynonymResult first = lookup.Lookup("assommant", "assommant");
    EXPECT_EQ(first.category, "adj");
    EXPECT_EQ(first.synonymsText, "ennuyeux\\fatigant");

    const SynonymResult ecole = lookup.Lookup(SearchKey("école"_cp), "école"_cp);
    EXPECT_EQ(ecole.caption, Cp("ÉCOLE: nom"_cp));
    EXPECT_TRUE(lookup.Lookup(SearchKey("ecole"), "ecole").found);
    EXPECT_FALSE(lookup.Lookup(SearchKey("École"_cp), "École"_cp).found);
    EXPECT_FALSE(lookup.Lookup(SearchKey("ARBRE DE JUDÉE"_cp), "ARBRE DE JUDÉE"_cp).found);
    EXPECT_EQ(lookup.Lookup(SearchKey("ARBRE DE JUDEE"), "ARBRE DE JUDEE").headword,
              Cp("arbre de Judée"_cp));

    // No label for a code outside the table, whatever its parts.
    const SynonymResult unlabelled = lookup.Lookup("locution bidon", "locution bidon");
    EXPECT_TRUE(unlabelled.found);
    EXPECT_EQ(unlabelled.caption, "");

    for (const std::string_view absent : Views{"chats", "1er", " chat", "", "c"}) {
        const SynonymResult result = lookup.Lookup(SearchKey(absent), absent);
        EXPECT_FALSE(result.found || !result.synonyms.empty() || !result.caption.empty());
        EXPECT_EQ(result.message, "Aucun synonyme pour ''" + std::string(absent) + "''.");
    }
}

TEST_F(SynonymLookupTest, LongEntriesKeepTheirFirst21ItemsEmptyOneLast) {
    const SynonymResult result = lookup.Lookup(SearchKey("règlement"_cp), "règlement"_cp);
    ASSERT_EQ(result.synonyms.size(), kMaxSynonyms);
    EXPECT_EQ(result.synonyms.back(), "");
    EXPECT_EQ(result.synonyms.front(), Cp("acquittement"_cp));
    EXPECT_EQ(std::count(result.synonyms.begin(), result.synonyms.end(), "statut"), 1);
    EXPECT_EQ(std::count(result.synonyms.begin(), result.synonyms.end(), "versement"), 0);
    EXPECT_EQ(TrierDefinitions("b\\\\a\\b"), (std::vector<std::string>{"a", "b", "b", ""}));
}

TEST(SynonymTriAlpha, OrdersByCp1252CodesWithTheEmptyTextLast) {
    const std::vector<std::string> sorted =
        TriAlpha({Cp("é"_cp), "", Cp("zèbre"_cp), "Zorro", "ab", "a-b", "a'b", "a b", Cp("a’b"_cp),
                  "a", "ab", ""});
    EXPECT_EQ(sorted, (std::vector<std::string>{"Zorro", "a", "a b", "a'b", "a-b", "ab", "ab",
                                                Cp("a’b"_cp), Cp("zèbre"_cp), Cp("é"_cp), "", ""}));
}

TEST(SynonymCategoryLabel, MatchesCodesExactly) {
    EXPECT_EQ(CategoryLabel("n prép v"_cp), Cp(": nom préposition verbe"_cp));
    for (const std::string_view unknown :
         Views{"prep", "N", "adj  n", "loc n", "prép pron"_cp, ""}) {
        EXPECT_EQ(CategoryLabel(unknown), "") << unknown;
    }
}
