#include "oracle/colourrule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Reading
{
    const char *name;
    std::u16string firstKey;
    std::u16string lastKey;
    int colour;
};

class ColourRule : public testing::TestWithParam<Reading>
{};

TEST_P(ColourRule, GivesTheColourOfInitialAndLastNameLength)
{
    EXPECT_EQ(oracle::colourNumber(GetParam().firstKey, GetParam().lastKey), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ColourRule,
    testing::Values(
        Reading{"JohnSmith", u"JOHN", u"SMITH", 5}, Reading{"AnnaLee", u"ANNA", u"LEE", 4},
        Reading{"MaryJones", u"MARY", u"JONES", 3}, Reading{"AB", u"A", u"B", 2},
        Reading{"AccentedInitialCountsZero", u"\u00C9LODIE", u"MARTIN", 1},
        Reading{"EmptyFirstKey", u"", u"LEE", 3}, Reading{"EmptyLastKey", u"ZOE", u"", 1},
        Reading{"DigitInitial", u"1AB", u"XY", 2},
        Reading{"LowerCaseInitialIsNoLetter", u"anna", u"LEE", 3},
        Reading{"InnerSpacesCount", u"A", u"DE LA", 1},
        // 26 + 32742 = 32768 is one past the 16-bit range: a wrapped total gives another colour.
        Reading{"TotalPastSixteenBits", u"Z", std::u16string(32742, u'X'), 3},
        Reading{"FortyThousandCharacters", u"B", std::u16string(40000, u'X'), 2},
        Reading{"HundredThousandCharacters", u"A", std::u16string(100000, u'X'), 1}),
    [](const testing::TestParamInfo<Reading> &info) { return info.param.name; });

TEST(ColourTable, HoldsTheFiveColoursInOrderWithTheirOwnReadings)
{
    const std::u16string names[] = {u"Blue", u"Brown", u"Green", u"Red", u"Yellow"};
    const std::u16string openings[] = {u"You must delve", u"You need to devote", u"Think carefully",
                                       u"Any type of partnership", u"The keyword for this time"};
    for (int number = 1; number <= 5; ++number) {
        const oracle::Colour &colour = oracle::colourRow(number);
        EXPECT_EQ(colour.name, names[number - 1]);
        EXPECT_TRUE(colour.reading.starts_with(openings[number - 1])) << number;
    }
}

TEST(NameKey, TrimsOnlySpacesAtBothEnds)
{
    EXPECT_EQ(oracle::trimSpaces(u"  ANNA "), u"ANNA");
    EXPECT_EQ(oracle::trimSpaces(u"   "), u"");
    EXPECT_EQ(oracle::trimSpaces(u""), u"");
    EXPECT_EQ(oracle::trimSpaces(u"\tDE LA \u00A0"), u"\tDE LA \u00A0");
}

} // namespace
