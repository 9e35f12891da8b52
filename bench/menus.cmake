# Menu budget: opening a four-item popup menu (window created, measured, painted) under 2 ms.
tavik_benchmark(bench_menus SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuBenchmark.cpp DEPS platform_controls platform_backend_headless)
