# pagedemo: skinned page controls whose tabs overflow, on the headless screen, in the internal
# skins named on the command line; writes a picture of each before and after scrolling the row.
add_executable(pagedemo ${CMAKE_CURRENT_LIST_DIR}/pagedemo/main.cpp)
target_link_libraries(pagedemo PRIVATE skin_windows internal_skins platform_backend_headless)
target_include_directories(pagedemo PRIVATE ${PROJECT_SOURCE_DIR})
add_test(NAME e2e.pagedemo COMMAND pagedemo ${PROJECT_BINARY_DIR}/tests/pagedemo Wood BlueIce)
set_tests_properties(e2e.pagedemo PROPERTIES LABELS e2e TIMEOUT 120)
