# Dialog budgets: building the information dialog, the records input box and the colour dialog.
tavik_benchmark(bench_framework_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/framework/DialogBench.cpp
                DEPS framework platform_backend_headless)
