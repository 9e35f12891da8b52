# Desktop back end budgets. An idle program with one 1000 ms timer below 0.5 % of a core, measured
# under Xvfb by `cmake --build <dir> --target bench-sdl-idle` (needs xvfb-run).
if(TAVIK_BENCHMARKS)
    add_custom_target(bench-sdl-idle COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/sdl_idle.sh $<TARGET_FILE:sdl_demo>
                      DEPENDS sdl_demo USES_TERMINAL)
endif()

# Presenting a repaint: a whole 480 × 400 window and one board cell, well inside a 16 ms frame.
tavik_benchmark(bench_sdl SOURCES ${CMAKE_CURRENT_LIST_DIR}/SdlBenchmark.cpp DEPS platform_backend_sdl)
