# asz: lists, unpacks, packs and checks packed skin archives; built beside the game. Its commands
# are a library of their own so that the tests and benchmarks call them directly.
add_library(asz_commands STATIC
    ${CMAKE_CURRENT_LIST_DIR}/asz/AszCommands.cpp ${CMAKE_CURRENT_LIST_DIR}/asz/AszSources.cpp)
target_link_libraries(asz_commands PUBLIC skin_data internal_skins)
target_include_directories(asz_commands PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(asz ${CMAKE_CURRENT_LIST_DIR}/asz/main.cpp)
target_link_libraries(asz PRIVATE asz_commands)

tavik_tests(test_tools_asz DIRS tests/tools/asz DEPS asz_commands LABELS unit)
target_sources(test_tools_asz PRIVATE ${PROJECT_SOURCE_DIR}/tests/skin/data/SkinTestKit.cpp)

add_test(NAME asz_pack_list_unpack_check
    COMMAND ${CMAKE_COMMAND} -DASZ=$<TARGET_FILE:asz> -DWORK=${PROJECT_BINARY_DIR}/asz-test
            -P ${CMAKE_CURRENT_LIST_DIR}/asz/RoundTripTest.cmake)
