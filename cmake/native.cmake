# Native flavour: the portable logic under GoogleTest.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${unit_sources})
target_link_libraries(unit_tests PRIVATE ortolan_core standin_core workbench_core GTest::gtest GTest::gmock GTest::gtest_main)

# The built Windows files are checked too (import, export and resource tables),
# when the Windows flavour's build folder is given.
set(ORTOLAN_WIN32_DIR "" CACHE PATH "Build folder of the 32-bit Windows flavour")
if(ORTOLAN_WIN32_DIR)
    target_compile_definitions(unit_tests PRIVATE ORTOLAN_WIN32_DIR="${ORTOLAN_WIN32_DIR}")
endif()
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 60)
target_compile_definitions(unit_tests PRIVATE ORTOLAN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                           ORTOLAN_VERSION="${PROJECT_VERSION}")

# Bitmap resources: make_bitmaps draws res/bitmaps/*.bmp (scripts/make-bitmaps
# runs it), and the unit tests draw them again to check the committed files.
set(bitmap_art ${CMAKE_SOURCE_DIR}/res/bitmaps/bitmap_art.cpp)
add_executable(make_bitmaps ${CMAKE_SOURCE_DIR}/res/bitmaps/make_bitmaps.cpp ${bitmap_art})
target_link_libraries(make_bitmaps PRIVATE bmp_writer)
target_sources(unit_tests PRIVATE ${bitmap_art})
target_link_libraries(unit_tests PRIVATE bmp_writer)

