# Cross-build for 64-bit Windows with MinGW-w64: the build the Windows tests and
# end-to-end tests run on, under 64-bit Wine. The players' programs are the 32-bit
# build's (cmake/mingw-i686.cmake); the sources are the same.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triple x86_64-w64-mingw32)
set(wine_bits 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
