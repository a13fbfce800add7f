#include "oracle/windows1252.h"

#include <array>

namespace oracle {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> highControlRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

} // namespace

char16_t fromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return highControlRange[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> toWindows1252(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (std::size_t index = 0; index < highControlRange.size(); ++index) {
        if (highControlRange[index] == character) {
            return static_cast<unsigned char>(0x80 + index);
        }
    }
    return std::nullopt;
}

} // namespace oracle
