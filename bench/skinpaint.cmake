# Skin painting budgets: a 450 x 450 panel with gradient and pattern under 1.5 ms; a 24-bit blend
# of 450 x 450 under 0.4 ms (reported against a plain copy); a 40 x 40 cell in each state under 40 us.
tavik_benchmark(bench_skin_paint
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/SkinPaintBench.cpp ${PROJECT_SOURCE_DIR}/tests/skin/paint/PaintTestKit.cpp
    DEPS skin_paint)
