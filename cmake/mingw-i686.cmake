# Cross-build of the 32-bit Windows programs, as shipped, with MinGW-w64.
set(PROLEXA_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(PROLEXA_WINE_ARCH win32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
