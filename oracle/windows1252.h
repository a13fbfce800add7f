#pragma once

#include <optional>

// The one code page through which every stored text becomes bytes, on every machine.
// The five byte values Windows-1252 leaves unassigned map to the C1 control characters of
// the same value, as Windows itself converts them, so all 256 bytes survive a round trip.
namespace oracle {

char16_t fromWindows1252(unsigned char byte);

// No value for a character that Windows-1252 lacks.
std::optional<unsigned char> toWindows1252(char16_t character);

} // namespace oracle
