# What both MinGW-w64 cross-builds share; the toolchain file names the target first
# (mingw_triple, CMAKE_SYSTEM_PROCESSOR, wine_bits).
set(CMAKE_SYSTEM_NAME Windows)
# the posix thread model: GoogleTest needs std::mutex (winpthreads is linked in statically)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# the build's programs run under Wine of the same width, in a prefix of their own
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${wine_bits}")
