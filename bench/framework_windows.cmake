# The framework's windowed core: repainting a board of 81 speed buttons, message dispatch through
# stacked procedures, layout on resize, and the mouse moving across the board.
tavik_benchmark(bench_framework_windows SOURCES ${CMAKE_CURRENT_LIST_DIR}/framework/WindowedControlsBench.cpp
                DEPS framework platform_backend_headless)
