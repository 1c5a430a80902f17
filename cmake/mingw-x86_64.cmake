# The same sources as 64-bit Windows programs, for the test bed's 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KIT_MINGW_TRIPLE x86_64-w64-mingw32)
set(KIT_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
