// libFuzzer target: any bytes as a reading file, split in any two pieces, then through the codec.
#include "oracle/readingfile.h"
#include "oracle/textcodec.h"
#include "oracle/windows1252.h"

#include <cstdint>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const oracle::ReadingLines whole = oracle::splitReadingLines(bytes);

    oracle::ReadingLineSplitter pieces;
    const std::size_t cut = size == 0 ? 0 : data[0] % size;
    pieces.feed(bytes.substr(0, cut));
    pieces.feed(bytes.substr(cut));
    require(pieces.finish() == whole);

    for (const std::u16string &line : whole) {
        require(line.size() <= oracle::longestReadingLine);
        // Unscrambling drops codes below 85 and nothing else; scrambling brings the rest back.
        std::u16string storable;
        for (const char16_t character : line) {
            if (*oracle::toWindows1252(character) >= 85) {
                storable.push_back(character);
            }
        }
        require(oracle::ScrambleText(oracle::UnscrambleText(line)) == storable);
    }

    std::u16string text;
    for (const unsigned char byte : bytes) {
        text.push_back(oracle::fromWindows1252(byte));
    }
    std::u16string keepable;
    for (const char16_t character : text) {
        if (*oracle::toWindows1252(character) <= 170) {
            keepable.push_back(character);
        }
    }
    const std::u16string roundTrip = oracle::UnscrambleText(oracle::ScrambleText(text));
    require(text.size() > oracle::longestCodecText ? roundTrip.empty() : roundTrip == keepable);
    return 0;
}
