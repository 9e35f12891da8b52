# The generator's budget: Generate under 100 µs on average.
tavik_benchmark(bench_puzzle SOURCES ${CMAKE_CURRENT_LIST_DIR}/puzzle/GenerateBench.cpp DEPS puzzle)
