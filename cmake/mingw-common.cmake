# What the MinGW-w64 cross-builds share; the including tool-chain file sets
# PROLEXA_MINGW_TRIPLE, CMAKE_SYSTEM_PROCESSOR and PROLEXA_WINE_ARCH first.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER ${PROLEXA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PROLEXA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PROLEXA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PROLEXA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No MinGW runtime DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests of the Windows build run under Wine, in the build's own prefix for
# the architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR env PROLEXA_WINE_ARCH=${PROLEXA_WINE_ARCH}
    "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
