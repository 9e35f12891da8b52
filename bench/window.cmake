# Window-system budgets: a send through a three-deep procedure chain under 0.2 µs; dispatching a
# posted mouse message to a child under 2 µs; invalidating and repainting a 450 × 450 window with
# 81 filled children under 1 ms.
tavik_benchmark(bench_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowBenchmark.cpp DEPS platform_backend_headless)
