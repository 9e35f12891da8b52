# Hint budgets: the game's ellipse hint built and shown under 3 ms, one fade step under 0.5 ms.
tavik_benchmark(bench_hints SOURCES ${CMAKE_CURRENT_LIST_DIR}/hints/HintBench.cpp DEPS skin_hints platform_backend_headless platform_backend_sdl)
