# The 64-bit Windows build, whose tests run under Wine with the ANSI code page 1251.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZT_MINGW_TRIPLET x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")

# A private Wine prefix in the build folder; ru_RU.CP1251 makes Wine's ANSI code page 1251.
set(ZT_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(CMAKE_CROSSCOMPILING_EMULATOR
    env "WINEPREFIX=${ZT_WINEPREFIX}" LC_ALL=ru_RU.CP1251 WINEDEBUG=-all /usr/lib/wine/wine64)
