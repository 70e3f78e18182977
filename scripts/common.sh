# Shared by the scripts: where things are and which Windows build runs here.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# 32-bit Wine needs a kernel that runs 32-bit x86 code. Where it cannot, the
# programs run from the 64-bit build of the same sources under 64-bit Wine.
runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

configure_windows() {  # folder toolchain
    cmake -S "$root" -B "$root/$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
}

# Builds the Windows flavour that can run here and prints its folder.
build_runnable_windows() {
    if runs_32bit; then
        configure_windows build/win32 mingw-i686.cmake
        cmake --build "$root/build/win32" -j"$jobs" >&2
        echo build/win32
    else
        configure_windows build/win64 mingw-x86_64.cmake
        cmake --build "$root/build/win64" -j"$jobs" >&2
        echo build/win64
    fi
}
