# Cross build of the Windows programs with the posix-thread mingw-w64 compilers.
# The including toolchain file sets KIT_MINGW_TRIPLE and KIT_WINE_LOADER first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KIT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KIT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KIT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KIT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every .exe and .dll must import Windows system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -s")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -s")

# ctest runs the test programs under Wine by the loader's path: Debian's wine wrapper picks
# the 32-bit loader whenever it is installed, even where the kernel cannot run it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${KIT_WINE_LOADER})
