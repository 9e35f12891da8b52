# fontsheet: writes a PNG of the text samples in the program's font families and sizes.
add_executable(fontsheet ${CMAKE_CURRENT_LIST_DIR}/fontsheet/main.cpp)
target_link_libraries(fontsheet PRIVATE platform_text)
target_include_directories(fontsheet PRIVATE ${PROJECT_SOURCE_DIR})
