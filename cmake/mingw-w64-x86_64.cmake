# Cross-compiling for 64-bit x86 Windows with Debian's MinGW-w64 (posix
# threads), for the tests alone: on a machine whose kernel runs no 32-bit
# x86 program, 32-bit Wine cannot start, and the same code is tested as a
# 64-bit build under 64-bit Wine. The program that ships is the 32-bit one
# (mingw-w64-i686.cmake).
set(tarvolin_mingw_processor x86_64)
set(tarvolin_mingw_link_flags "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
