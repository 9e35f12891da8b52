# Tool buttons and check boxes with image-list pictures, shot in two internal skins and without a
# skin (written to the build's tests folder).
add_executable(tool_button_shots ${CMAKE_CURRENT_LIST_DIR}/ToolButtonShots.cpp)
target_link_libraries(tool_button_shots PRIVATE skin_windows internal_skins platform_backend_headless)
target_include_directories(tool_button_shots PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(tool_button_shots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
add_test(NAME e2e.tool_button_shots COMMAND tool_button_shots ${PROJECT_BINARY_DIR}/tests)
set_tests_properties(e2e.tool_button_shots PROPERTIES LABELS e2e TIMEOUT 120)
