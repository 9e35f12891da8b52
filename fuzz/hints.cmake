# libFuzzer target for hint markup (`make fuzz`, clang only); the layout library is instrumented
# so that the fuzzer sees coverage inside it.
target_compile_options(skin_hints PRIVATE -fsanitize=fuzzer-no-link,address)
tavik_fuzzer(fuzz_hints_markup SOURCE ${CMAKE_CURRENT_LIST_DIR}/hints/markup_fuzzer.cpp DEPS skin_hints)
