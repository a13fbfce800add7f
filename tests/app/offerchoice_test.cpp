#include "app/offerchoice.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(OfferChoice, MapsTheDrawOntoOneToSevenRoundingHalvesToEven)
{
    const float justBelowOne = std::nextafter(1.0F, 0.0F);
    const struct
    {
        float draw;
        int number;
    } cases[] = {
        {0.0F, 1},       {0.08F, 1},        {0.25F, 2}, // 2.5 goes to the even 2
        {0.4F, 3},       {0.5F, 4},         {0.75F, 6}, // 5.5 goes to the even 6
        {0.9166667F, 6},                                // 6.5 in single precision goes to 6
        {0.92F, 7},      {justBelowOne, 7},
    };
    for (const auto &entry : cases) {
        EXPECT_EQ(coBrandNumber(entry.draw), entry.number) << entry.draw;
    }
}

TEST(OfferChoice, OddNumbersShowCoBrandEvenFullBrandSevenLeavesTheStoredOrder)
{
    using Offer = MainWindow::Offer;
    const std::optional<Offer> expected[] = {Offer::CoBrand,   Offer::FullBrand, Offer::CoBrand,
                                             Offer::FullBrand, Offer::CoBrand,   Offer::FullBrand,
                                             std::nullopt};
    for (int number = 1; number <= 7; ++number) {
        EXPECT_EQ(offerToBringToFront(number), expected[number - 1]) << number;
    }
}

TEST(OfferChoice, EachOfferWinsHalfOfAnEvenSpreadOfDraws)
{
    int coBrand = 0;
    const int draws = 1 << 16;
    for (int index = 0; index < draws; ++index) {
        const auto offer = offerToBringToFront(coBrandNumber(float(index) / float(draws)));
        coBrand += !offer || *offer == MainWindow::Offer::CoBrand;
    }
    EXPECT_NEAR(coBrand, draws / 2, 2);
}

} // namespace
