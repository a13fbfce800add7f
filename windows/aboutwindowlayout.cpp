#include "windows/aboutwindow.h"

#include "resources/texts.h"
#include "windows/look.h"

#include <array>

namespace {

using enum ControlKind;
using namespace fonts;
using namespace colours;

// The home-page link names the site's host, which the window fills in as it loads.
// One control a row, so the table reads as a table.
// clang-format off
const std::array controls = {
    ControlLayout{"Picture1", Picture, nullptr, nullptr, {120, 150, 480, 480}, sansSerif8},
    ControlLayout{"cmdOK", Button, nullptr, u"OK", {5565, 2760, 1260, 345}, sansSerif8},
    // A rule running past both edges, stored as the line from (-60, 2670) to (7680, 2670).
    ControlLayout{"Line1", Line, nullptr, nullptr, {-60, 2670, 7740, 0}, sansSerif8, white},
    ControlLayout{"Label1", Label, nullptr, texts::aboutDescription, {690, 750, 6135, 825},
                  verdana8, lightYellow},
    ControlLayout{"Label2", Label, nullptr, texts::windowCaption, {690, 285, 5010, 345},
                  verdana14Bold, pink},
    ControlLayout{"lblCoBrand", LinkLabel, nullptr, u"Click here for more details",
                  {4530, 2325, 2295, 195}, verdana8Underlined, yellow, {}, TextAlignment::Right},
    ControlLayout{"Label3", Label, nullptr, texts::aboutOffer, {53, 1890, 6795, 435},
                  verdana8Bold, pink},
    ControlLayout{"lblHomePage", LinkLabel, nullptr, nullptr, {2775, 1575, 4050, 195},
                  verdana8Underlined, yellow, {}, TextAlignment::Right},
};
// clang-format on

} // namespace

const WindowLayout aboutWindowLayout{
    "frmAbout", texts::windowCaption, 6900, 3165, black, sansSerif8, controls,
};
