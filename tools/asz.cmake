# asz: lists, unpacks, packs and checks packed skin archives; built beside the game.
add_executable(asz ${CMAKE_CURRENT_LIST_DIR}/asz/main.cpp ${CMAKE_CURRENT_LIST_DIR}/asz/AszCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/asz/AszSources.cpp)
target_link_libraries(asz PRIVATE skin_data internal_skins)
target_include_directories(asz PRIVATE ${PROJECT_SOURCE_DIR})

add_test(NAME asz_pack_list_unpack_check
    COMMAND ${CMAKE_COMMAND} -DASZ=$<TARGET_FILE:asz> -DWORK=${PROJECT_BINARY_DIR}/asz-test
            -P ${CMAKE_CURRENT_LIST_DIR}/asz/RoundTripTest.cmake)
