# panelshot: the skinned panel variants (drag bar, colour grid) on a form of the headless screen,
# unskinned and in every internal skin; writes one picture a look for judging them by eye.
add_executable(panelshot ${CMAKE_CURRENT_LIST_DIR}/panelshot/main.cpp)
target_link_libraries(panelshot PRIVATE skin_windows internal_skins platform_backend_headless)
target_include_directories(panelshot PRIVATE ${PROJECT_SOURCE_DIR})
add_test(NAME e2e.panelshot COMMAND panelshot ${PROJECT_BINARY_DIR}/tests/panelshot)
set_tests_properties(e2e.panelshot PROPERTIES LABELS e2e TIMEOUT 120)
