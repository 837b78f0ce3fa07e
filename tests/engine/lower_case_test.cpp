#include "tests/engine/engine_test_support.h"

#include <array>
#include <fstream>
#include <sstream>

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

// Every 16-bit character against field 13 of the installed UnicodeData.txt
// (Debian's unicode-data package), where it is installed.
TEST(LowerCaseUnits, EveryCharacterAsTheDatabaseSays)
{
    std::ifstream data("/usr/share/unicode/UnicodeData.txt");
    if (!data)
        GTEST_SKIP() << "/usr/share/unicode/UnicodeData.txt is missing (Debian package unicode-data)";
    std::array<char16_t, 0x10000> expected{};
    for (std::size_t c = 0; c < expected.size(); ++c)
        expected[c] = static_cast<char16_t>(c);
    for (std::string line; std::getline(data, line);) {
        std::istringstream fields(line);
        std::array<std::string, 14> read;
        for (std::string& f : read)
            std::getline(fields, f, ';');
        const unsigned long code = std::stoul(read[0], nullptr, 16);
        if (code < expected.size() && !read[13].empty())
            expected[code] = static_cast<char16_t>(std::stoul(read[13], nullptr, 16));
    }
    Text all(expected.size(), u'\0');
    for (std::size_t c = 0; c < all.size(); ++c)
        all[c] = static_cast<char16_t>(c);
    toLowerCase(all);
    int wrong = 0;
    for (std::size_t c = 0; c < all.size(); ++c) {
        if (all[c] != expected[c] && ++wrong <= 10)
            ADD_FAILURE() << "U+" << std::hex << c << " lowers to U+" << unsigned{all[c]} << ", not U+"
                          << unsigned{expected[c]};
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace vantor::test
