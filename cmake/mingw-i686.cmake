# The shipped 32-bit Windows programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KIT_MINGW_TRIPLE i686-w64-mingw32)
set(KIT_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
