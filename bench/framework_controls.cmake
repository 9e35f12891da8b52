# The standard control wrappers on the game's dialogs: making a settings-like dialog, switching
# the chooser's page, filling the records memo, stepping a track bar.
tavik_benchmark(bench_framework_controls SOURCES ${CMAKE_CURRENT_LIST_DIR}/framework/StandardControlsBench.cpp
                DEPS framework platform_backend_headless)
