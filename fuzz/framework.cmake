# libFuzzer target for the pictures the framework loads (`make fuzz`, clang only).
target_compile_options(framework PRIVATE -fsanitize=fuzzer-no-link,address)
tavik_fuzzer(fuzz_framework_picture SOURCE ${CMAKE_CURRENT_LIST_DIR}/framework/picture_fuzzer.cpp DEPS framework)
