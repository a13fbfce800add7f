#include "oracle/colourrule.h"

#include "resources/texts.h"

#include <array>
#include <cstdint>

namespace oracle {
namespace {

const std::array<Colour, 5> colourTable = {{
    {u"Blue", texts::blueReading},
    {u"Brown", texts::brownReading},
    {u"Green", texts::greenReading},
    {u"Red", texts::redReading},
    {u"Yellow", texts::yellowReading},
}};

// A is 1 ... Z is 26; anything else, É included, is 0.
int letterValue(std::u16string_view firstKey)
{
    if (firstKey.empty() || firstKey.front() < u'A' || firstKey.front() > u'Z') {
        return 0;
    }
    return firstKey.front() - u'A' + 1;
}

} // namespace

std::u16string trimSpaces(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

int colourNumber(std::u16string_view firstKey, std::u16string_view lastKey)
{
    const std::uint64_t total = letterValue(firstKey) + std::uint64_t{lastKey.size()};
    const int remainder = static_cast<int>(total % colourTable.size());
    return remainder == 0 ? static_cast<int>(colourTable.size()) : remainder;
}

const Colour &colourRow(int number)
{
    return colourTable.at(static_cast<std::size_t>(number - 1));
}

} // namespace oracle
