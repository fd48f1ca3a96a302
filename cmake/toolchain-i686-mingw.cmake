# The 32-bit product DLL.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZT_MINGW_TRIPLET i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
