#pragma once

#include "windows/mainwindow.h"

#include <optional>

// Which bottom offer of the main window a start shows: half the starts the co-brand offer, half
// the fully-branded one.

// r * 6 + 1 in single precision, to the nearest whole number, halves to the even one: 1 to 7.
int coBrandNumber(float draw);

// 1, 3, 5: co-brand; 2, 4, 6: fully branded; 7: no change (the co-brand offer is on top already).
std::optional<MainWindow::Offer> offerToBringToFront(int coBrandNumber);
