# The game's budgets: a new game (generate, reveal, 81 cells updated, laid out and repainted)
# under 5 ms; the program started to its main window painted (headless) under 150 ms.
tavik_benchmark(bench_game SOURCES ${CMAKE_CURRENT_LIST_DIR}/game/GameBench.cpp DEPS app_lib)
