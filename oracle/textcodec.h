#pragma once

#include <string>
#include <string_view>

// Hides short texts that the program keeps outside itself (settings, date lines of reading
// files) by shifting every Windows-1252 code by 85. Characters whose shifted code leaves 0..255,
// and characters Windows-1252 lacks, are left out; they cannot be stored.
namespace oracle {

// Longer texts give the empty text: the stored forms were only ever made for texts up to this.
inline constexpr std::size_t longestCodecText = 32767;

std::u16string ScrambleText(std::u16string_view text);
std::u16string UnscrambleText(std::u16string_view text);

} // namespace oracle
