#include "oracle/textcodec.h"
#include "oracle/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using oracle::ScrambleText;
using oracle::UnscrambleText;

// The text whose Windows-1252 codes are first..last.
std::u16string codes(int first, int last)
{
    std::u16string text;
    for (int code = first; code <= last; ++code) {
        text.push_back(oracle::fromWindows1252(static_cast<unsigned char>(code)));
    }
    return text;
}

struct Case
{
    const char *name;
    std::u16string plain;
    std::u16string scrambled;
};

class Scrambling : public testing::TestWithParam<Case>
{};

TEST_P(Scrambling, ShiftsEveryCodeUpBy85)
{
    EXPECT_EQ(ScrambleText(GetParam().plain), GetParam().scrambled);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Scrambling,
    testing::Values(
        Case{"Empty", u"", u""}, Case{"Abc", u"abc", u"\u00B6\u00B7\u00B8"},
        Case{"SpaceBecomesU", u" ", u"u"}, Case{"ZeroBecomesEllipsis", u"0", u"\u2026"}, // code 133
        Case{"CommaBecomesUnassignedByte", u",", u"\u0081"}, Case{"EuroSign", u"\u20AC", u"\u00D5"},
        Case{"CodesAbove170AreLeftOut", u"a\u00BBb\u00FF", u"\u00B6\u00B7"},
        Case{"CharactersWithoutWindows1252CodeAreLeftOut", u"a\u4E2D\u0080b", u"\u00B6\u00B7"},
        Case{"SurrogatePairIsLeftOut", u"a\U0001F600b", u"\u00B6\u00B7"}),
    [](const testing::TestParamInfo<Case> &info) { return info.param.name; });

TEST(Unscrambling, ReversesTheShiftAndLeavesOutCodesBelow85)
{
    EXPECT_EQ(UnscrambleText(u"\u00B6\u00B7\u00B8"), u"abc");
    EXPECT_EQ(UnscrambleText(u""), u"");
    EXPECT_EQ(UnscrambleText(u"1984"), u"");
    EXPECT_EQ(UnscrambleText(u"u1\u2026"), u" 0");
}

TEST(Codec, EveryCodeUpTo170SurvivesTheRoundTrip)
{
    const std::u16string plain = codes(0, 170);
    const std::u16string stored = ScrambleText(plain);
    EXPECT_EQ(stored, codes(85, 255));
    EXPECT_EQ(UnscrambleText(stored), plain);
}

TEST(Codec, TextsLongerThan32767GiveTheEmptyText)
{
    const std::u16string longest(oracle::longestCodecText, u'a');
    EXPECT_EQ(ScrambleText(longest).size(), longest.size());
    EXPECT_EQ(UnscrambleText(ScrambleText(longest)), longest);
    const std::u16string tooLong(oracle::longestCodecText + 1, u'a');
    EXPECT_EQ(ScrambleText(tooLong), u"");
    EXPECT_EQ(UnscrambleText(std::u16string(oracle::longestCodecText + 1, u'\u00B6')), u"");
}

TEST(Windows1252, AllBytesRoundTripThroughUnicode)
{
    for (int byte = 0; byte <= 255; ++byte) {
        const char16_t character = oracle::fromWindows1252(static_cast<unsigned char>(byte));
        EXPECT_EQ(oracle::toWindows1252(character), byte) << byte;
    }
    EXPECT_EQ(oracle::fromWindows1252(0x92), u'\u2019');
    EXPECT_FALSE(oracle::toWindows1252(u'\u0100').has_value());
}

} // namespace
