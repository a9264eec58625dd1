# What both MinGW-w64 toolchain files share: Debian's compilers of the posix
# thread model for the processor they set in tarvolin_mingw_processor, the
# libraries and headers of that target alone, static linking, and Wine to
# run the programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${tarvolin_mingw_processor})

set(CMAKE_C_COMPILER ${tarvolin_mingw_processor}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${tarvolin_mingw_processor}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${tarvolin_mingw_processor}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${tarvolin_mingw_processor}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ ${tarvolin_mingw_link_flags}")
