# tabsides: skinned page controls with their tabs on top, bottom, left and right on the headless
# screen, plain and in two internal skins; writes a picture of each look.
add_executable(tabsides ${CMAKE_CURRENT_LIST_DIR}/tabsides/main.cpp)
target_link_libraries(tabsides PRIVATE skin_windows internal_skins platform_backend_headless)
target_include_directories(tabsides PRIVATE ${PROJECT_SOURCE_DIR})
add_test(NAME e2e.tabsides COMMAND tabsides ${PROJECT_BINARY_DIR}/tests/tabsides)
set_tests_properties(e2e.tabsides PROPERTIES LABELS e2e TIMEOUT 120)
