# gallery: a window with a menu bar and every standard control on the headless screen; writes a
# screenshot with a menu open and one with a message box open.
add_executable(gallery ${CMAKE_CURRENT_LIST_DIR}/gallery/main.cpp ${CMAKE_CURRENT_LIST_DIR}/gallery/GalleryWindow.cpp)
target_link_libraries(gallery PRIVATE platform_controls platform_backend_headless)
target_include_directories(gallery PRIVATE ${PROJECT_SOURCE_DIR})
add_test(NAME e2e.gallery COMMAND gallery ${PROJECT_BINARY_DIR}/tests/gallery)
set_tests_properties(e2e.gallery PROPERTIES LABELS e2e TIMEOUT 120)
