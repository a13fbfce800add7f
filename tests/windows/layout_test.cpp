#include "windows/layout.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(Twips, FifteenMakeOnePixelRoundedToTheNearest)
{
    const struct
    {
        int twips;
        int pixels;
    } cases[] = {{0, 0},    {7, 0},      {8, 1},      {15, 1},     {22, 1},   {23, 2},
                 {427, 28}, {4265, 284}, {5685, 379}, {4380, 292}, {-60, -4}, {-7, 0}};
    for (const auto &entry : cases) {
        EXPECT_EQ(twipsToPixels(entry.twips), entry.pixels) << entry.twips;
    }
    EXPECT_EQ(twipsToPixels(TwipsRect{120, 5400, 6135, 375}), QRect(8, 360, 409, 25));
}

TEST(Captions, LabelsShowAmpersandsLiterallyWhileButtonsMarkAccessKeys)
{
    EXPECT_EQ(shownCaption(ControlKind::Label, u"name &&  link"), QStringLiteral("name &  link"));
    EXPECT_EQ(shownCaption(ControlKind::LinkLabel, u"a && b &c"), QStringLiteral("a & b c"));
    EXPECT_EQ(shownCaption(ControlKind::Button, u"&Back"), QStringLiteral("&Back"));
    EXPECT_EQ(shownCaption(ControlKind::Label, nullptr), QString());
}

} // namespace
