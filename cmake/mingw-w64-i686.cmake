# Cross-compiling for 32-bit x86 Windows with Debian's MinGW-w64 (posix
# threads): the one build that runs on 32-bit and 64-bit Windows 7 SP1 to 11
# and on Windows 10 and 11 on ARM, which emulate 32-bit x86. The programs
# link statically, so they need no DLL beside them, and CTest runs them
# through Wine.
set(tarvolin_mingw_processor i686)
# Large address aware: 4 GiB of address space on 64-bit Windows instead of 2.
set(tarvolin_mingw_link_flags -Wl,--large-address-aware)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
