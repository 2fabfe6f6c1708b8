# Sourced: configure and build the two trees.
build_native() {
  cmake -S "$repo_root" -B "$repo_root/build/native" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$repo_root/build/native" "$@"
}

build_windows() {
  cmake -S "$repo_root" -B "$repo_root/build/win" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$repo_root/build/win" "$@"
}
