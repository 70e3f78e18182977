# Shared by the scripts: where things are and which Windows build runs here.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# 32-bit Wine needs a kernel that runs 32-bit x86 code. Where it cannot, the
# programs run from the 64-bit build of the same sources under 64-bit Wine.
runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Whether the kernel runs 32-bit x86 programs at all, asked before any Wine is
# installed: a 96-byte static i386 ELF whose only work is exit(42).
kernel_runs_32bit() {
    local probe
    probe=$(mktemp) || return 1
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" -eq 42 ]
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
