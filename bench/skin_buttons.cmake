# Skinned dialog control budgets, in the largest internal skin: repainting a push button (image
# rebuilt, corners cut out, copied) under 100 us; one track bar step (position, then the rebuilt
# image of channel, ticks and thumb painted) under 300 us.
tavik_benchmark(bench_skin_buttons SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/SkinnedButtonsBench.cpp
                DEPS skin_controls internal_skins platform_backend_headless)
