# Sourced: configure and build the three trees.
build_native() {
  cmake -S "$repo_root" -B "$repo_root/build/native" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$repo_root/build/native" "$@"
}

# The players' 32-bit programs and archives, with the checks that read them, and every
# test program; the tests run under 32-bit Wine only with SKYLARK_WINE_TESTS32=ON, where
# the machine runs 32-bit code.
build_windows() {
  cmake -S "$repo_root" -B "$repo_root/build/win" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DSKYLARK_WINE_TESTS="${SKYLARK_WINE_TESTS32:-OFF}" >/dev/null
  cmake --build "$repo_root/build/win" "$@"
}

# The same programs built for 64-bit Windows, with every test that runs them under
# Wine: 64-bit Wine runs natively wherever the machine runs 64-bit code.
build_windows_tests() {
  cmake -S "$repo_root" -B "$repo_root/build/win64" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$repo_root/build/win64" "$@"
}
