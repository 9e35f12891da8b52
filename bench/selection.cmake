# Selection-control budgets: a key step of a track bar, repainted, under 100 µs; a list box of 20
# visible rows repainted under 500 µs; 1000 texts added to a sorted list box under 10 ms; a combo
# box's 30-item list opened (placed, painted) and closed again under 2 ms.
tavik_benchmark(bench_selection SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionBenchmark.cpp DEPS platform_controls platform_backend_headless)
