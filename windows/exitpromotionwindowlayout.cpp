#include "windows/exitpromotionwindow.h"

#include "resources/texts.h"
#include "windows/look.h"

#include <array>

namespace {

using enum ControlKind;
using namespace fonts;
using namespace colours;

// The title, the icon and the support message are set as the window loads.
// One control a row, so the table reads as a table.
// clang-format off
const std::array controls = {
    ControlLayout{"picNagscreen2Icon", Picture, nullptr, nullptr, {360, 120, 540, 540},
                  sansSerif8},
    ControlLayout{"lblNagScreen2Caption", Label, nullptr, nullptr, {1080, 240, 720, 435},
                  sansSerif18, {}, {}, TextAlignment::Left, true},
    ControlLayout{"Label2", Label, nullptr, nullptr, {120, 840, 6975, 1095}, verdana10Bold},
    ControlLayout{"Check1", ToggleButton, nullptr, u"Click Here To Visit Velmora Now",
                  {30, 2040, 7185, 555}, verdana14, blue},
    ControlLayout{"cmdClose", Button, nullptr, u"E&xit", {6000, 2760, 1245, 375}, sansSerif8},
    ControlLayout{"Frame2", Frame, nullptr, u"Refer A Friend", {120, 3240, 7065, 1455},
                  verdana10Bold, white, navy},
    ControlLayout{"Frame6", Frame, nullptr, u"Download Orvane Softwares",
                  {7320, 120, 3735, 4575}, verdana10Bold, white, navy},
    ControlLayout{"Label3", Label, "Frame6", texts::softwaresPromotion, {120, 360, 3495, 3855},
                  verdana9, white},
    ControlLayout{"lblGoToHome", LinkLabel, "Frame6", u"Click Here To Visit Orvane Softwares",
                  {75, 4250, 3585, 210}, verdana9BoldUnderlined, yellow, {}, TextAlignment::Left,
                  true},
    // Refer a friend. The message box lies below the frame's edge, out of sight, yet it is sent.
    ControlLayout{"txtName", TextBox, "Frame2", u"Your Name", {85, 360, 3375, 285}, sansSerif8},
    ControlLayout{"txtEmail", TextBox, "Frame2", u"Your Email Address", {3600, 360, 3375, 285},
                  sansSerif8},
    ControlLayout{"txtFriendName", TextBox, "Frame2", u"Friend's Name", {85, 720, 3375, 285},
                  sansSerif8},
    ControlLayout{"txtFriendEmail", TextBox, "Frame2", u"Friend's Email Address",
                  {3600, 720, 3375, 285}, sansSerif8},
    ControlLayout{"txtMessage", MultiLineTextBox, "Frame2", u"Your Message\r\n",
                  {4800, 3600, 1815, 495}, sansSerif8},
    ControlLayout{"cmdSubmit", Button, "Frame2", u"Refer A Friend &Now", {1920, 1080, 3375, 285},
                  verdana8Bold},
};
// clang-format on

} // namespace

const WindowLayout exitPromotionWindowLayout{
    "frmNagScreen2", u"frmNagScreen2", 11115, 4725, white, sansSerif8, controls,
};
