# Benchmarks: they time and report, they never pass or fail, and none of them
# is a CTest test. scripts/bench builds and runs them.
#   native:  number_text_bench (Google Benchmark), the number rules against
#            the C library.
#   Windows: panel_bench, the real module's panel under Wine against the
#            same dialog template run by a bare dialog procedure.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
    if(TARGET ortolan AND TARGET tsxapi)
        # The GDI watch, the message box watcher and the keystroke helpers are
        # the Wine tests' own.
        add_executable(panel_bench ${CMAKE_SOURCE_DIR}/bench/panel_bench_win.cpp
                                   ${CMAKE_SOURCE_DIR}/tests/wine/gdi_watch.cpp
                                   ${CMAKE_SOURCE_DIR}/tests/wine/box_watch.cpp
                                   ${CMAKE_SOURCE_DIR}/tests/wine/drive.cpp)
        target_include_directories(panel_bench PRIVATE ${CMAKE_SOURCE_DIR})
        target_link_libraries(panel_bench PRIVATE hosting tsxapi user32 gdi32 comctl32 ${static_runtime})
        add_dependencies(panel_bench ortolan)
    endif()
else()
    # Optional here so that a build without the library still builds the
    # tests; scripts/bootstrap installs it and scripts/bench requires it.
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        add_executable(number_text_bench ${CMAKE_SOURCE_DIR}/bench/number_text_bench.cpp)
        target_link_libraries(number_text_bench PRIVATE ortolan_core benchmark::benchmark)
    else()
        message(STATUS "Google Benchmark not found: number_text_bench is not built")
    endif()
    # The report merger is code like any other and is tested as such.
    find_program(ORTOLAN_PYTHON python3)
    if(ORTOLAN_PYTHON)
        add_test(NAME bench.report
                 COMMAND ${ORTOLAN_PYTHON} ${CMAKE_SOURCE_DIR}/bench/bench_report_test.py)
    endif()
endif()
