# Windows flavour: module, stand-in host, Wine tests. Everything lands in the
# build folder itself so that the module finds tsxapi.dll beside it.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
enable_language(RC)

# No C or C++ runtime DLL beside the module: the host ships none of ours.
set(static_runtime -static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE=0 _WIN32_WINNT=0x0601)

# Import library for the host API, made from the list of its functions so the
# module binds to the host's real tsxapi.dll the same way as to the stand-in.
set(tsxapi_import ${CMAKE_BINARY_DIR}/lib/libtsxapi_import.a)
add_custom_command(
    OUTPUT ${tsxapi_import}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/lib
    COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_SOURCE_DIR}/api/tsxapi.def -l ${tsxapi_import}
    DEPENDS ${CMAKE_SOURCE_DIR}/api/tsxapi.def
    COMMENT "Import library for tsxapi.dll")
add_custom_target(tsxapi_import_lib DEPENDS ${tsxapi_import})

# The Win32 helpers that the module and the stand-in share (GDI owners, the
# off-screen DC, the subclassed window), as a library of their own, and the
# module's own controls as another: the module links it, and so do the Wine
# tests of the controls, which cannot reach into the module DLL.
file(GLOB win_helpers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/win/*_win.cpp)
list(REMOVE_ITEM module_win ${win_helpers})
file(GLOB controls_win CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/controls/*_win.cpp)
list(REMOVE_ITEM module_win ${controls_win})
add_library(ortolan_win STATIC ${win_helpers})
target_include_directories(ortolan_win PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(ortolan_win PUBLIC base_core user32 gdi32 comctl32)
add_library(ortolan_controls STATIC ${controls_win})
target_link_libraries(ortolan_controls PUBLIC ortolan_core ortolan_win)

# The module. Its title and credit line carry the project's version.
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE ORTOLAN_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/res/version.h)
add_library(ortolan MODULE ${module_win} ${CMAKE_SOURCE_DIR}/res/ortolan.rc
            ${CMAKE_SOURCE_DIR}/plugin/ortolan.def)
target_include_directories(ortolan PRIVATE ${CMAKE_BINARY_DIR}/generated)
# The resource compiler's dependencies are not scanned: a redrawn bitmap or a
# changed id must still rebuild the resources.
file(GLOB resource_inputs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.h
     ${CMAKE_SOURCE_DIR}/res/bitmaps/*.bmp)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/ortolan.rc PROPERTIES
                            OBJECT_DEPENDS "${resource_inputs};${CMAKE_BINARY_DIR}/generated/res/version.h")
set_target_properties(ortolan PROPERTIES PREFIX "" OUTPUT_NAME ortolan SUFFIX ".tsx")
add_dependencies(ortolan tsxapi_import_lib)
target_link_libraries(ortolan PRIVATE ortolan_controls ortolan_core ${tsxapi_import}
                      user32 gdi32 comctl32 advapi32 ${static_runtime})
# The shipped module carries no symbol table, and no code that nothing calls.
target_compile_options(ortolan PRIVATE -ffunction-sections -fdata-sections)
target_link_options(ortolan PRIVATE $<$<CONFIG:Release>:-s> -Wl,--gc-sections)

# The stand-in host API library.
if(NOT standin_win)
    return()
endif()
add_library(tsxapi SHARED ${standin_win})
set_target_properties(tsxapi PROPERTIES PREFIX "" OUTPUT_NAME tsxapi)
target_compile_definitions(tsxapi PRIVATE "TSXAPI=__declspec(dllexport)" STANDIN_BUILD)
target_link_libraries(tsxapi PRIVATE standin_core user32 gdi32 ${static_runtime})
target_include_directories(tsxapi PUBLIC ${CMAKE_SOURCE_DIR})

# The host library: the workbench, the Wine tests and the benchmark load the
# module and run their loop through it.
add_library(hosting STATIC ${hosting_win})
target_link_libraries(hosting PUBLIC hosting_core tsxapi user32)

# The workbench host program.
file(GLOB workbench_resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/host/workbench/*.rc)
if(workbench_win)
    add_executable(workbench WIN32 ${workbench_win} ${workbench_resources})
    target_link_libraries(workbench PRIVATE hosting tsxapi workbench_core ortolan_win user32 gdi32 comctl32 comdlg32
                          ${static_runtime})
    add_dependencies(workbench ortolan)
endif()

# Wine tests: each tests/wine/*_test.cpp is one program; the other files there
# are the shared harness.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(ORTOLAN_WINE /usr/lib/wine/wine)
    set(ORTOLAN_WINEARCH win32)
else()
    set(ORTOLAN_WINE /usr/lib/wine/wine64)
    set(ORTOLAN_WINEARCH win64)
endif()
set(wine_env
    ORTOLAN_WINE=${ORTOLAN_WINE}
    WINEARCH=${ORTOLAN_WINEARCH}
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-env.in ${CMAKE_BINARY_DIR}/wine-env @ONLY)

file(GLOB harness_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
list(FILTER harness_sources EXCLUDE REGEX "_test\\.cpp$")
file(GLOB wine_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
if(NOT harness_sources)
    return()
endif()
add_library(wine_harness STATIC ${harness_sources})
target_include_directories(wine_harness PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/wine)
target_link_libraries(wine_harness PUBLIC hosting tsxapi ortolan_core user32 gdi32 comctl32 advapi32)

add_test(NAME wine.prefix COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run --init)
set_tests_properties(wine.prefix PROPERTIES
    FIXTURES_SETUP wineprefix TIMEOUT 300 ENVIRONMENT "${wine_env}")
foreach(source ${wine_tests})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE wine_harness ${static_runtime})
    add_dependencies(${name} ortolan)
    string(REGEX REPLACE "_test$" "" short ${name})
    add_test(NAME wine.${short} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:${name}>)
    set_tests_properties(wine.${short} PROPERTIES
        FIXTURES_REQUIRED wineprefix TIMEOUT 600 ENVIRONMENT "${wine_env}"
        # One at a time: the programs share the prefix's wineserver and its
        # desktop process, which lives on the display of whichever started it.
        RUN_SERIAL TRUE)
endforeach()

# Wine tests of the controls also link the controls library, a small kit (a
# test dialog that routes WM_DRAWITEM, pixel capture, a menu driver) and their
# own bitmap resources.
file(GLOB control_kit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/controls/*.cpp)
if(control_kit_sources)
    add_library(control_test_kit STATIC ${control_kit_sources})
    target_link_libraries(control_test_kit PUBLIC wine_harness ortolan_controls)
    foreach(name title_button_test image_button_test menu_button_test layout_test)
        if(TARGET ${name})
            target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/wine/controls/test_bitmaps.rc)
            target_link_libraries(${name} PRIVATE control_test_kit)
        endif()
    endforeach()
endif()

# The workbench test reads its screenshots with the tests' BMP reader
# (tests/support), and the panel tests write vectors as the journal does.
if(TARGET workbench_test)
    target_link_libraries(workbench_test PRIVATE bmp_writer)
endif()
foreach(name panel_test object_commands_test)
    if(TARGET ${name})
        target_link_libraries(${name} PRIVATE standin_core)
    endif()
endforeach()

# The layout again in a prefix at 120 dpi, where the dialog font's base units
# are 8 x 16 and the panel grows around a picture of fixed pixels.
if(TARGET layout_test)
    set(wine_env_120dpi ${wine_env})
    list(FILTER wine_env_120dpi EXCLUDE REGEX "^WINEPREFIX=")
    list(APPEND wine_env_120dpi WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-120dpi ORTOLAN_WINE_DPI=120)
    add_test(NAME wine.prefix_120dpi COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run --init)
    set_tests_properties(wine.prefix_120dpi PROPERTIES
        FIXTURES_SETUP wineprefix_120dpi TIMEOUT 300 ENVIRONMENT "${wine_env_120dpi}" RUN_SERIAL TRUE)
    add_test(NAME wine.layout_120dpi COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:layout_test>)
    set_tests_properties(wine.layout_120dpi PROPERTIES
        FIXTURES_REQUIRED wineprefix_120dpi TIMEOUT 600 ENVIRONMENT "${wine_env_120dpi}" RUN_SERIAL TRUE)
endif()

# The desktop test runs where a window manager frames the windows, as on a
# user's desktop: a prefix of managed windows of its own, and openbox on its
# virtual display. Set here over what the loop above gave it.
if(TARGET desktop_test)
    set(wine_env_desktop ${wine_env})
    list(FILTER wine_env_desktop EXCLUDE REGEX "^WINEPREFIX=")
    list(APPEND wine_env_desktop WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-managed
         ORTOLAN_WINE_MANAGED=1 ORTOLAN_WINE_WM=openbox)
    add_test(NAME wine.prefix_managed COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run --init)
    set_tests_properties(wine.prefix_managed PROPERTIES
        FIXTURES_SETUP wineprefix_managed TIMEOUT 300 ENVIRONMENT "${wine_env_desktop}" RUN_SERIAL TRUE)
    set_tests_properties(wine.desktop PROPERTIES
        FIXTURES_REQUIRED wineprefix_managed ENVIRONMENT "${wine_env_desktop}")
endif()

# The release package: made from this build, unpacked, and the module loaded
# from the unpacked folder by the Wine tests.
if(TARGET lifecycle_test)
    add_test(NAME package.install
             COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check-package ${CMAKE_BINARY_DIR})
    set_tests_properties(package.install PROPERTIES
        FIXTURES_REQUIRED wineprefix TIMEOUT 600 ENVIRONMENT "${wine_env}" RUN_SERIAL TRUE)
endif()
