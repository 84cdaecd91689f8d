// Pictures stored as PNG resources: the large double-size pictures that
// would not fit a program's size budget as BMP. The system's imaging
// component (WIC) decodes them; it and COM are loaded when a program first
// draws such a picture, so a program that draws none starts as fast as one
// without this code.
#pragma once

#include <windows.h>

#include "scoped.h"

namespace prolexa {

// The resource type of such pictures in a resource script:
//   DOUBLE_ART(IDB_BANNER) PNG "banner@2x.png"
inline constexpr const wchar_t* PngArtType = L"PNG";

// The PNG picture resource of that number as a 32-bit top-down bitmap (a DIB
// section), or null when the program has none, or its bytes are no PNG the
// system can decode: such a picture is simply not drawn.
GdiBitmap LoadPngArt(HINSTANCE instance, int resourceId);

}  // namespace prolexa
