# libFuzzer target for the settings file's INI reading and writing (`make fuzz`, clang only).
target_compile_options(platform_system PRIVATE -fsanitize=fuzzer-no-link,address)
add_executable(fuzz_platform_ini ${CMAKE_CURRENT_LIST_DIR}/platform/ini_fuzzer.cpp)
target_link_libraries(fuzz_platform_ini PRIVATE platform_system)
target_include_directories(fuzz_platform_ini PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(fuzz_platform_ini PRIVATE -fsanitize=fuzzer,address)
target_link_options(fuzz_platform_ini PRIVATE -fsanitize=fuzzer,address)
set_target_properties(fuzz_platform_ini PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzz)
add_dependencies(fuzzers fuzz_platform_ini)
