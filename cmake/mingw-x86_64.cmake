# Cross-build of the same programs and tests for 64-bit Windows, for machines
# whose kernel runs no 32-bit code and so no 32-bit Wine: there the Windows
# tests run on this build under Wine's 64-bit loader. The programs shipped
# are the 32-bit ones (mingw-i686.cmake).
set(PROLEXA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(PROLEXA_WINE_ARCH win64)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
