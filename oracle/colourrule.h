#pragma once

#include <string>
#include <string_view>

// The lucky colour of a person: only the initial of the first name and the length of the last
// name count.
namespace oracle {

struct Colour
{
    std::u16string_view name;
    std::u16string_view reading;
};

// A name's key is the name upper-cased (by the caller, with the platform's case mapping) and
// stripped of spaces at both ends; only the space character is stripped.
std::u16string trimSpaces(std::u16string_view text);

// 1 to 5. The total is formed in a wide integer, so a last name of any length has a colour.
int colourNumber(std::u16string_view firstKey, std::u16string_view lastKey);

// number: 1 to 5, as colourNumber gives it.
const Colour &colourRow(int number);

} // namespace oracle
