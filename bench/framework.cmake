# The framework's hot paths: glyph and text drawing on a board of 81 cells, sorted lists, Format.
tavik_benchmark(bench_framework SOURCES ${CMAKE_CURRENT_LIST_DIR}/framework/FrameworkBench.cpp DEPS framework)
