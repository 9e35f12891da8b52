# Graphics and text benchmarks: copies, stretches, gradients, regions, DrawText and measuring.
tavik_benchmark(bench_gfx
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/GfxBenchmark.cpp ${CMAKE_CURRENT_LIST_DIR}/TextBenchmark.cpp
    DEPS platform_text)
