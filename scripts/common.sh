# Shared by the scripts: where things are and which Windows build runs here.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# 32-bit Wine needs a kernel that runs 32-bit x86 code. Where it cannot, the
# programs run from the 64-bit build of the same sources under 64-bit Wine.
runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Configures and builds a Windows flavour in build/<flavour>: win32, the
# shipped module, or win64. The arguments after the flavour go to the build
# (--target NAME).
build_windows() {  # flavour [build arguments]
    local toolchain=mingw-i686.cmake
    if [ "$1" = win64 ]; then toolchain=mingw-x86_64.cmake; fi
    cmake -S "$root" -B "$root/build/$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build/$1" -j"$jobs" "${@:2}"
}

# Builds the Windows flavour that can run here and prints its folder.
build_runnable_windows() {
    local flavour=win64
    if runs_32bit; then flavour=win32; fi
    build_windows $flavour >&2
    echo build/$flavour
}

# A path of this machine as Wine's programs see it: on drive Z:.
wine_path() {  # path
    echo "Z:$(echo "$1" | tr / '\\')"
}
