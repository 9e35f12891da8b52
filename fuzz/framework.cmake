# libFuzzer target for the pictures the framework loads (`make fuzz`, clang only).
target_compile_options(framework PRIVATE -fsanitize=fuzzer-no-link,address)
add_executable(fuzz_framework_picture ${CMAKE_CURRENT_LIST_DIR}/framework/picture_fuzzer.cpp)
target_link_libraries(fuzz_framework_picture PRIVATE framework)
target_include_directories(fuzz_framework_picture PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(fuzz_framework_picture PRIVATE -fsanitize=fuzzer,address)
target_link_options(fuzz_framework_picture PRIVATE -fsanitize=fuzzer,address)
set_target_properties(fuzz_framework_picture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
add_dependencies(fuzzers fuzz_framework_picture)
