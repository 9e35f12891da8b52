# The settings dialog's budget: dragging the hue track bar with the largest internal skin in
# force and the dialog shown, each step's work in the skin manager (the skin reloaded in the new
# hue, every shown window refreshed) under 8 ms. ui_cpu_ms is the UI thread's own processor time
# for the same work, which on a shared machine leaves out waiting for a processor.
tavik_benchmark(bench_settings SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings/HueDragBench.cpp DEPS app_lib)
