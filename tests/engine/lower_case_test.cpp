#include "engine/lower_case_table.h"
#include "tests/engine/engine_test_support.h"

#include <array>

namespace vantor::test {
namespace {

Text lowered(Text text)
{
    toLowerCase(text);
    return text;
}

struct CaseRow {
    const char* name;
    const char* typed;
    const char* lowered;
};

void PrintTo(const CaseRow& row, std::ostream* os)
{
    *os << row.typed;
}

class LowerCase : public testing::TestWithParam<CaseRow> {};

TEST_P(LowerCase, Lowers)
{
    EXPECT_EQ(u8(lowered(u16(GetParam().typed))), GetParam().lowered);
}

const CaseRow kMappings[] = {
    {"LatinDiaeresis", "ÄÖÜ", "äöü"},
    {"GreekSigma", "Σ", "σ"},
    {"GreekFinalSigmaStays", "ς", "ς"},
    // The database lowers İ to a plain i, without the combining dot.
    {"CapitalIWithDotAbove", "İ", "i"},
    {"DotlessIStays", "ı", "ı"},
    {"Cyrillic", "ЖЁЯ", "жёя"},
    {"GreekWithTonos", "ΆΈΏ", "άέώ"},
    {"Fullwidth", "ＡＺ", "ａｚ"},
    {"KelvinSignToAsciiK", "\u212A", "k"},
    {"OhmSignToOmega", "\u2126", "ω"},
    {"CapitalSharpS", "ẞ", "ß"},
    // Capitals and small letters alternate; only the capitals change.
    {"AlternatingCapitalsAndSmall", "ĀāĂăŸŹź", "āāăăÿźź"},
    // Capital, title case and small DŽ all lower to the small one.
    {"TitleCaseDigraph", "ǄǅǆǇǈ", "ǆǆǆǉǉ"},
    {"RomanNumeral", "Ⅻ", "ⅻ"},
    {"CircledLetter", "Ⓐ", "ⓐ"},
    {"WithoutMappingStays", "äß√€中½ℵ\uFFFD", "äß√€中½ℵ\uFFFD"},
    // Each half of a surrogate pair is lowered on its own, so characters
    // beyond U+FFFF stay as typed even where they have a lower case.
    {"BeyondBasicPlaneStays", "𐐀𝐀", "𐐀𝐀"},
    {"MixedWithAscii", "Ä*2+Σx", "ä*2+σx"},
};
INSTANTIATE_TEST_SUITE_P(Rows, LowerCase, testing::ValuesIn(kMappings), RowName{});

TEST(LowerCaseUnits, AsciiChangesOnlyAToZ)
{
    for (char16_t c = 0; c < 0x80; ++c) {
        const char16_t expected = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 0x20) : c;
        EXPECT_EQ(lowered(Text(1, c)), Text(1, expected)) << "U+" << std::hex << unsigned{c};
    }
}

TEST(LowerCaseUnits, SurrogatesStay)
{
    for (char32_t c = 0xD800; c <= 0xDFFF; ++c) {
        const Text unit(1, static_cast<char16_t>(c));
        EXPECT_EQ(lowered(unit), unit) << "U+" << std::hex << unsigned{c};
    }
}

// Every 16-bit character against the table, read run by run rather than
// searched as the engine does. The table itself is checked against the
// installed Unicode data by LowerCaseTable.MatchesUnicodeData
// (scripts/generate-lower-case.py --check).
TEST(LowerCaseUnits, EveryCharacterAsTheTableSays)
{
    std::array<char16_t, 0x10000> expected{};
    for (std::size_t c = 0; c < expected.size(); ++c)
        expected[c] = static_cast<char16_t>(c);
    for (const lower_case::Run& run : lower_case::kRuns) {
        for (int c = run.first; c <= run.last; c += run.step)
            expected[c] = static_cast<char16_t>(run.lower + c - run.first);
    }
    Text all(expected.size(), u'\0');
    for (std::size_t c = 0; c < all.size(); ++c)
        all[c] = static_cast<char16_t>(c);
    toLowerCase(all);
    int wrong = 0;
    for (std::size_t c = 0; c < all.size(); ++c) {
        if (all[c] != expected[c] && ++wrong <= 10)
            ADD_FAILURE() << "U+" << std::hex << c << " lowers to U+" << unsigned{all[c]} << ", not U+"
                          << unsigned{expected[c]} << " as the table of Unicode "
                          << lower_case::kUnicodeVersion << " says";
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace vantor::test
