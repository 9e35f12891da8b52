# Menu budgets: item changes re-filling a drop-down, command lookup, building the main menu.
tavik_benchmark(bench_framework_menus SOURCES ${CMAKE_CURRENT_LIST_DIR}/framework/MenuBench.cpp DEPS framework)
