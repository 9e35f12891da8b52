# formdemo: a framework form with a main menu, a popup menu and the framework's dialogs on the
# headless screen; writes a picture of each open (menu, owner-drawn menu, popup, dialogs).
add_executable(formdemo ${CMAKE_CURRENT_LIST_DIR}/formdemo/main.cpp ${CMAKE_CURRENT_LIST_DIR}/formdemo/DemoForm.cpp)
target_link_libraries(formdemo PRIVATE framework platform_backend_headless)
target_include_directories(formdemo PRIVATE ${PROJECT_SOURCE_DIR})
add_test(NAME e2e.formdemo COMMAND formdemo ${PROJECT_BINARY_DIR}/tests/formdemo)
set_tests_properties(e2e.formdemo PROPERTIES LABELS e2e TIMEOUT 120)
