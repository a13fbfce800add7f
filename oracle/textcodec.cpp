#include "oracle/textcodec.h"

#include "oracle/windows1252.h"

namespace oracle {
namespace {

constexpr int shift = 85;

std::u16string shifted(std::u16string_view text, int by)
{
    std::u16string result;
    if (text.size() > longestCodecText) {
        return result;
    }
    result.reserve(text.size());
    for (const char16_t character : text) {
        const auto code = toWindows1252(character);
        if (!code) {
            continue;
        }
        const int moved = *code + by;
        if (moved >= 0 && moved <= 255) {
            result.push_back(fromWindows1252(static_cast<unsigned char>(moved)));
        }
    }
    return result;
}

} // namespace

std::u16string ScrambleText(std::u16string_view text)
{
    return shifted(text, shift);
}

std::u16string UnscrambleText(std::u16string_view text)
{
    return shifted(text, -shift);
}

} // namespace oracle
