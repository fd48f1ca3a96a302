# The 64-bit Windows build, whose tests run under Wine with the ANSI code page 1251.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# A private Wine prefix in the build folder; ru_RU.CP1251 makes Wine's ANSI code page 1251.
set(ZT_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(CMAKE_CROSSCOMPILING_EMULATOR
    env "WINEPREFIX=${ZT_WINEPREFIX}" LC_ALL=ru_RU.CP1251 WINEDEBUG=-all /usr/lib/wine/wine64)
