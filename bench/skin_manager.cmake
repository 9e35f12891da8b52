# Skin manager budgets, with the internal skins (the largest has about 225 KB of 8-bit bitmaps
# unpacked): switching between two skins with the game's five windows shown (load, build,
# broadcast, repaint) under 10 ms; one hue step under 8 ms; the program started headless with a
# skin in force to its main window shown under 10 ms. On a machine shared with other work the wall-clock times count waiting
# for a processor too; ui_cpu_ms is the UI thread's own processor time for the same work.
tavik_benchmark(bench_skin_manager
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/SkinManagerBench.cpp ${PROJECT_SOURCE_DIR}/tests/skin/data/SkinTestKit.cpp
    DEPS app_lib)
