# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
# Used for Qt itself and for the program; scripts/build-windows passes it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AURIVANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AURIVANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AURIVANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${AURIVANE_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot (and from Qt's prefix,
# which Qt's own toolchain file adds); programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${AURIVANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
