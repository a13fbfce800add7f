#include "app/offerchoice.h"

#include <cmath>

int coBrandNumber(float draw)
{
    const float scaled = draw * 6.0F + 1.0F;
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(scaled));
}

std::optional<MainWindow::Offer> offerToBringToFront(int coBrandNumber)
{
    if (coBrandNumber == 7) {
        return std::nullopt;
    }
    return coBrandNumber % 2 == 1 ? MainWindow::Offer::CoBrand : MainWindow::Offer::FullBrand;
}
