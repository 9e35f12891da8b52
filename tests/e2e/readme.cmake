# The README's picture: docs/picture.script runs against the game and its expectations hold. The
# picture lands in the build's tests folder; scripts/readme-picture without a folder writes docs/.
add_test(NAME e2e.readme_picture
         COMMAND ${CMAKE_COMMAND} -E env TAVIK_PROGRAM=$<TARGET_FILE:tavik-sudoku>
                 sh ${PROJECT_SOURCE_DIR}/scripts/readme-picture ${PROJECT_BINARY_DIR}/tests)
set_tests_properties(e2e.readme_picture PROPERTIES LABELS e2e TIMEOUT 120)
