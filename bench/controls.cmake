# Standard-control budgets: typing a character into an edit and repainting it under 100 µs.
tavik_benchmark(bench_controls SOURCES ${CMAKE_CURRENT_LIST_DIR}/ControlsBenchmark.cpp DEPS platform_controls platform_backend_headless)
