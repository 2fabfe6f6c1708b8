# Cross-build for 32-bit Windows with MinGW-w64: the players' programs and archives,
# and every test program, run under 32-bit Wine where the machine runs 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triple i686-w64-mingw32)
set(wine_bits 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
