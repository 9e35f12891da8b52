# The skinned board's budgets in the largest internal skin: one cell repainted after a state
# change under 60 µs; a new game's 81 cells painted under 5 ms.
tavik_benchmark(bench_skinned_board SOURCES ${CMAKE_CURRENT_LIST_DIR}/game/SkinnedBoardBench.cpp DEPS app_lib)
