# libFuzzer target for hint markup (`make fuzz`, clang only); the layout library is instrumented
# so that the fuzzer sees coverage inside it.
target_compile_options(skin_hints PRIVATE -fsanitize=fuzzer-no-link,address)
add_executable(fuzz_hints_markup ${CMAKE_CURRENT_LIST_DIR}/hints/markup_fuzzer.cpp)
target_link_libraries(fuzz_hints_markup PRIVATE skin_hints)
target_include_directories(fuzz_hints_markup PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(fuzz_hints_markup PRIVATE -fsanitize=fuzzer,address)
target_link_options(fuzz_hints_markup PRIVATE -fsanitize=fuzzer,address)
set_target_properties(fuzz_hints_markup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
add_dependencies(fuzzers fuzz_hints_markup)
