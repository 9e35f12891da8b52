# libFuzzer target for the settings file's INI reading and writing (`make fuzz`, clang only).
target_compile_options(platform_system PRIVATE -fsanitize=fuzzer-no-link,address)
tavik_fuzzer(fuzz_platform_ini SOURCE ${CMAKE_CURRENT_LIST_DIR}/platform/ini_fuzzer.cpp DEPS platform_system)
