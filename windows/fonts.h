#pragma once

#include "windows/layout.h"

// The fonts the windows were designed with; where a machine lacks them the system substitutes.
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
