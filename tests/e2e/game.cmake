# The game end to end on the headless back end with a fixed seed: a whole game played to a win by
# reading the solution from the automation dump, the winner's name kept over a restart, a wrong
# digit offering a new game, and screenshots of the main window, a game with marks and an open
# chooser, and the records window (written to the build's tests folder).
add_executable(game_e2e ${CMAKE_CURRENT_LIST_DIR}/GameE2e.cpp)
target_link_libraries(game_e2e PRIVATE app_lib)
target_include_directories(game_e2e PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(game_e2e PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
add_test(NAME e2e.game_win_and_restart COMMAND game_e2e win ${PROJECT_BINARY_DIR}/tests)
add_test(NAME e2e.game_wrong_digit COMMAND game_e2e lose ${PROJECT_BINARY_DIR}/tests)
set_tests_properties(e2e.game_win_and_restart e2e.game_wrong_digit PROPERTIES LABELS e2e TIMEOUT 300)

# The program itself in automation mode: options, the dump's game fields and expect.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/tests/game-script)
add_test(NAME e2e.game_script
         COMMAND sh -c "rm -f settings.ini && exec \"$1\" --headless --seed 42 --script \"$2\"" game_script
                 $<TARGET_FILE:tavik-sudoku> ${CMAKE_CURRENT_LIST_DIR}/game_start.script
         WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/tests/game-script)
set_tests_properties(e2e.game_script PROPERTIES LABELS e2e TIMEOUT 120)

# The script commands that change the look: skins by name, hue, saturation, off; a bad number
# stops the script with its line named.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/tests/game-skin ${PROJECT_BINARY_DIR}/tests/game-skin-bad)
add_test(NAME e2e.game_skin_script
         COMMAND sh -c "rm -f settings.ini && exec \"$1\" --headless --seed 42 --script \"$2\"" game_skin_script
                 $<TARGET_FILE:tavik-sudoku> ${CMAKE_CURRENT_LIST_DIR}/game_skin.script
         WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/tests/game-skin)
add_test(NAME e2e.game_skin_script_bad_number
         COMMAND sh -c "rm -f settings.ini; \"$1\" --headless --seed 42 --script \"$2\" 2>&1; test $? -eq 1" game_skin_bad
                 $<TARGET_FILE:tavik-sudoku> ${CMAKE_CURRENT_LIST_DIR}/game_skin_bad.script
         WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/tests/game-skin-bad)
set_tests_properties(e2e.game_skin_script_bad_number PROPERTIES PASS_REGULAR_EXPRESSION "line 3: hue needs a whole number")
set_tests_properties(e2e.game_skin_script e2e.game_skin_script_bad_number PROPERTIES LABELS e2e TIMEOUT 120)

# The same windows on the desktop back end under Xvfb, driven by real X events.
add_executable(game_desktop_shots ${CMAKE_CURRENT_LIST_DIR}/GameDesktopShots.cpp)
target_link_libraries(game_desktop_shots PRIVATE app_lib)
target_include_directories(game_desktop_shots PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(game_desktop_shots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
find_program(TAVIK_XVFB_RUN xvfb-run)
find_program(TAVIK_XDOTOOL xdotool)
if(TAVIK_XVFB_RUN AND TAVIK_XDOTOOL)
    add_test(NAME e2e.game_desktop_shots COMMAND ${TAVIK_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
             $<TARGET_FILE:game_desktop_shots> ${PROJECT_BINARY_DIR}/tests)
    set_tests_properties(e2e.game_desktop_shots PROPERTIES LABELS e2e TIMEOUT 180)
    # Again with a compositing manager, which blends the hint by its own per-pixel alpha.
    find_program(TAVIK_XCOMPMGR xcompmgr)
    if(TAVIK_XCOMPMGR)
        file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/tests/composited)
        add_test(NAME e2e.game_desktop_shots_composited COMMAND ${TAVIK_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
                 sh ${CMAKE_CURRENT_LIST_DIR}/with_compositor.sh $<TARGET_FILE:game_desktop_shots>
                 ${PROJECT_BINARY_DIR}/tests/composited)
        # Two servers started at once by xvfb-run -a can pick the same display number (the other
        # desktop tests hold the same lock).
        set_tests_properties(e2e.game_desktop_shots_composited PROPERTIES LABELS e2e TIMEOUT 180)
        set_tests_properties(e2e.game_desktop_shots e2e.game_desktop_shots_composited PROPERTIES RESOURCE_LOCK xvfb)
    endif()
endif()

# The program against hostile files: a folder as script, a FIFO as settings.ini, a window size
# no screen can show.
add_test(NAME e2e.game_hostile_files COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/hostile_files.sh $<TARGET_FILE:tavik-sudoku>)
set_tests_properties(e2e.game_hostile_files PROPERTIES LABELS e2e TIMEOUT 120)

# The game's hint looks on the headless screen, one screenshot each (written to the build's tests
# folder): the ellipse the game uses and every other predefinition.
add_executable(game_hint_shots ${CMAKE_CURRENT_LIST_DIR}/GameHintShots.cpp)
target_link_libraries(game_hint_shots PRIVATE app_lib)
target_include_directories(game_hint_shots PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(game_hint_shots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
add_test(NAME e2e.game_hint_shots COMMAND game_hint_shots ${PROJECT_BINARY_DIR}/tests)
set_tests_properties(e2e.game_hint_shots PROPERTIES LABELS e2e TIMEOUT 120)
