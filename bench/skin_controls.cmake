# Skinned control budgets: a keystroke in the skinned block-gap field repainted under 100 µs; the
# value chooser switching its page under 2 ms.
tavik_benchmark(bench_skin_controls SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/SkinnedControlsBench.cpp
    DEPS app_lib internal_skins)
