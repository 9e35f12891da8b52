# aboutart: draws the About dialog's picture (a stylised Sudoku board) and writes it as the
# 145 × 145 JPEG in resources/; run by hand when the artwork changes, the result is committed.
add_executable(aboutart ${CMAKE_CURRENT_LIST_DIR}/aboutart/main.cpp)
target_link_libraries(aboutart PRIVATE platform_text)
target_include_directories(aboutart PRIVATE ${PROJECT_SOURCE_DIR})
