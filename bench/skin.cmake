# Skin budgets: a shipped-size skin loaded from an archive in memory and built under 5 ms; the hue
# pass over a 170 KB master bitmap under 2 ms.
tavik_benchmark(bench_skin
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/SkinLoadBench.cpp ${PROJECT_SOURCE_DIR}/tests/skin/data/SkinTestKit.cpp
    DEPS skin_data)
