#pragma once

#include <functional>

class Platform;
class QLocale;

// Once a start, before any window shows: records the first run, and once the recorded date lies
// more than 14 days from today (either way) offers the download page and records today again.
// Dates are in the locale's short form; names and values are stored scrambled.
// programEnding tells, after the question, whether the program is ending and the answer is void.
void UpdateReminder(Platform &platform, const QLocale &locale,
                    const std::function<bool()> &programEnding);
