#pragma once

#include "windows/layout.h"

// The fonts and colours the windows were designed with. Where a machine lacks a font, fontFor
// asks for its stand-in (fallbackFamily).
namespace fonts {

inline constexpr FontSpec verdana8{u"Verdana", 8.25};
inline constexpr FontSpec verdana8Bold{u"Verdana", 8.25, true};
inline constexpr FontSpec verdana8Underlined{u"Verdana", 8.25, false, true};
inline constexpr FontSpec verdana8BoldUnderlined{u"Verdana", 8.25, true, true};
inline constexpr FontSpec verdana9{u"Verdana", 9};
inline constexpr FontSpec verdana9BoldUnderlined{u"Verdana", 9, true, true};
inline constexpr FontSpec verdana10Bold{u"Verdana", 9.75, true};
inline constexpr FontSpec verdana14{u"Verdana", 14.25};
inline constexpr FontSpec verdana14Bold{u"Verdana", 14.25, true};
inline constexpr FontSpec sansSerif8{u"MS Sans Serif", 8.25};
inline constexpr FontSpec sansSerif18{u"MS Sans Serif", 18};

} // namespace fonts

namespace colours {

inline constexpr QRgb black = qRgb(0, 0, 0);
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb darkGrey = qRgb(64, 64, 64);
inline constexpr QRgb lightYellow = qRgb(255, 255, 192);
inline constexpr QRgb yellow = qRgb(255, 255, 0);
inline constexpr QRgb pink = qRgb(255, 192, 255);
inline constexpr QRgb blue = qRgb(0, 0, 192);
inline constexpr QRgb navy = qRgb(0, 0, 128);

} // namespace colours
