# The same sources for 64-bit Windows. Only used to run the Wine tests on
# machines that cannot execute 32-bit x86 code (no IA-32 user segment).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORTOLAN_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
