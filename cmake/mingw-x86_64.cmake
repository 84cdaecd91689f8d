# Cross-build of the same programs and tests for 64-bit Windows, for machines
# whose kernel runs no 32-bit code and so no 32-bit Wine: there the Windows
# tests run on this build under Wine's 64-bit loader. The programs shipped
# are the 32-bit ones (mingw-i686.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(PROLEXA_WINE_ARCH win64)
set(CMAKE_CROSSCOMPILING_EMULATOR env PROLEXA_WINE_ARCH=win64
    "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
