# Window-system demo: two overlapping windows with children, one dragged by its caption through
# the UI driver; the screenshot lands in the build's tests folder.
add_executable(window_demo ${CMAKE_CURRENT_LIST_DIR}/WindowDemo.cpp)
target_link_libraries(window_demo PRIVATE platform_backend_headless)
set_target_properties(window_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
add_test(NAME e2e.window_demo COMMAND window_demo ${PROJECT_BINARY_DIR}/tests/window-demo.png)
set_tests_properties(e2e.window_demo PROPERTIES LABELS e2e TIMEOUT 120)
