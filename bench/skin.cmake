# Skin budgets: a shipped-size skin loaded from an archive in memory and built under 5 ms; the hue
# pass over a 170 KB master bitmap under 2 ms; asz check of an archive of 100 000 small members
# whose options name 4 000 images under 1 s.
tavik_benchmark(bench_skin
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/SkinLoadBench.cpp ${CMAKE_CURRENT_LIST_DIR}/skin/AszCheckBench.cpp
            ${PROJECT_SOURCE_DIR}/tests/skin/data/SkinTestKit.cpp
    DEPS skin_data asz_commands)

# Memory budget: refusing an archive whose members declare more than the 128 MiB cap takes no
# more than the cap. Its own binary, because the heap counter replaces operator new.
tavik_benchmark(bench_skin_memory
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin/ArchiveRefusalBench.cpp
            ${CMAKE_CURRENT_LIST_DIR}/skin/THeapCounter.cpp
            ${PROJECT_SOURCE_DIR}/tests/skin/data/SkinTestKit.cpp
    DEPS skin_data)
