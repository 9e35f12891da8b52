# Framework demo: a sample form with every control of the framework's windowed core, driven
# through the UI driver (a hint shown, a grouped speed button pressed); the screenshot lands in
# the build's tests folder.
add_executable(framework_form_demo ${CMAKE_CURRENT_LIST_DIR}/FrameworkFormDemo.cpp)
target_link_libraries(framework_form_demo PRIVATE framework platform_backend_headless)
target_include_directories(framework_form_demo PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(framework_form_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
add_test(NAME e2e.framework_form_demo COMMAND framework_form_demo ${PROJECT_BINARY_DIR}/tests/framework-form-demo.png)
set_tests_properties(e2e.framework_form_demo PROPERTIES LABELS e2e TIMEOUT 120)
