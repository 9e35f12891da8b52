# libFuzzer targets for skin archives and skin option texts (`make fuzz`, clang only).
foreach(library skin_data platform_gfx)
    target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link,address)
endforeach()
foreach(format archive options)
    tavik_fuzzer(fuzz_skin_${format} SOURCE ${CMAKE_CURRENT_LIST_DIR}/skin/${format}_fuzzer.cpp DEPS skin_data)
endforeach()
