#include "windows/mainwindow.h"

#include "resources/texts.h"
#include "windows/look.h"

#include <array>

namespace {

using enum ControlKind;
using namespace fonts;
using namespace colours;

// Creation order: each control lies above those before it. The birth-date frame and the Open
// button lie below the client area and are never seen, yet stay usable from the keyboard.
// One control a row, so the table reads as a table.
// clang-format off
const std::array controls = {
    ControlLayout{"cmdOpen", Button, nullptr, u"&Open Previously Saved Reading",
                  {120, 5400, 6135, 375}, verdana10Bold},
    ControlLayout{"fraBirthDay", Frame, nullptr, u"* Birth Day", {1440, 5880, 3645, 885},
                  verdana8Bold, darkGrey, white},
    ControlLayout{"cboDate", DateList, "fraBirthDay", u"", {1650, 450, 855, 315}, verdana8},
    ControlLayout{"cboMonth", DateList, "fraBirthDay", u"", {120, 450, 1455, 315}, verdana8},
    ControlLayout{"cboYear", DateList, "fraBirthDay", u"", {2580, 450, 975, 315}, verdana8},
    ControlLayout{"Label7", Label, "fraBirthDay", u"Year", {2610, 210, 390, 195}, sansSerif8,
                  black, white},
    ControlLayout{"Label6", Label, "fraBirthDay", u"Month", {120, 210, 510, 195}, sansSerif8,
                  black, white},
    ControlLayout{"Label3", Label, "fraBirthDay", u"Date", {1650, 210, 405, 195}, sansSerif8,
                  black, white},
    ControlLayout{"Frame1", Frame, nullptr, u"", {135, 840, 5415, 2655}, verdana8Bold,
                  lightYellow, darkGrey},
    ControlLayout{"txtNameLast", TextBox, "Frame1", u"", {2115, 1680, 3135, 345}, verdana8},
    ControlLayout{"cmdNext", Button, "Frame1", u"&Ask The Huescry", {2115, 2160, 3135, 345},
                  verdana8Bold},
    ControlLayout{"txtNameFirst", TextBox, "Frame1", u"", {2115, 1200, 3135, 345}, verdana8},
    ControlLayout{"lblLabel(2)", Label, "Frame1", texts::welcome, {210, 180, 5010, 795},
                  verdana8Bold, lightYellow, {}, TextAlignment::Centred},
    ControlLayout{"lblLabel(1)", Label, "Frame1", u"Enter Last Name", {180, 1755, 1605, 195},
                  verdana8Bold, lightYellow},
    ControlLayout{"lblLabel(0)", Label, "Frame1", u"Enter First Name", {180, 1275, 1650, 195},
                  verdana8Bold, lightYellow},
    ControlLayout{"Frame2", Frame, nullptr, u"Tavik Huescry Result", {135, 840, 5415, 2655},
                  verdana8Bold, white, darkGrey},
    ControlLayout{"cmdBack", Button, "Frame2", u"&Back", {4265, 2160, 1000, 400}, verdana8},
    ControlLayout{"lblResult(1)", Label, "Frame2", texts::greenReading, {120, 480, 5145, 1575},
                  verdana8, lightYellow},
    ControlLayout{"lblResult(0)", Label, "Frame2", u"Color", {120, 240, 510, 195},
                  verdana8Bold, yellow, {}, TextAlignment::Left, true},
    ControlLayout{"Label61", LinkLabel, nullptr, texts::forumBanner, {427, 90, 4830, 585},
                  verdana8BoldUnderlined, pink, {}, TextAlignment::Centred},
    ControlLayout{"lblFullBrand", LinkLabel, nullptr, texts::fullBrandOffer,
                  {15, 3585, 5655, 795}, verdana8BoldUnderlined, pink, black,
                  TextAlignment::Centred},
    ControlLayout{"lblCobrand", LinkLabel, nullptr, texts::coBrandOffer, {15, 3585, 5655, 795},
                  verdana8BoldUnderlined, pink, black, TextAlignment::Centred},
};
// clang-format on

} // namespace

const WindowLayout mainWindowLayout{
    "frmMain", texts::windowCaption, 5685, 4380, black, verdana8, controls,
};
