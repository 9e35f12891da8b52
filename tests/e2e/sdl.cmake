# The desktop back end under Xvfb: a click and typing through real X events, and the X screen
# compared pixel for pixel with our windows. Registered only where xvfb-run and xdotool exist
# (scripts/install-deps installs both); not a unit test, so the sanitizer run leaves it out.
add_executable(sdl_smoke ${CMAKE_CURRENT_LIST_DIR}/sdl_smoke.cpp ${CMAKE_CURRENT_LIST_DIR}/sdl_screen_colormap.cpp)
target_link_libraries(sdl_smoke PRIVATE platform_backend_sdl X11::X11)
set_target_properties(sdl_smoke PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
find_program(TAVIK_XVFB_RUN xvfb-run)
find_program(TAVIK_XDOTOOL xdotool)
if(TAVIK_XVFB_RUN AND TAVIK_XDOTOOL)
    add_test(NAME e2e.sdl_smoke COMMAND ${TAVIK_XVFB_RUN} -a -s "-screen 0 1024x768x24" $<TARGET_FILE:sdl_smoke> ${PROJECT_BINARY_DIR}/tests/sdl-smoke.png)
    set_tests_properties(e2e.sdl_smoke PROPERTIES LABELS e2e TIMEOUT 120 RESOURCE_LOCK xvfb)
endif()

# The window demo on the desktop: a caption drag through real X events, and a screenshot.
add_executable(sdl_demo ${CMAKE_CURRENT_LIST_DIR}/sdl_demo.cpp)
target_link_libraries(sdl_demo PRIVATE platform_backend_sdl)
set_target_properties(sdl_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
if(TAVIK_XVFB_RUN AND TAVIK_XDOTOOL)
    add_test(NAME e2e.sdl_demo COMMAND ${TAVIK_XVFB_RUN} -a -s "-screen 0 1024x768x24"
             $<TARGET_FILE:sdl_demo> --drag --shot ${PROJECT_BINARY_DIR}/tests/sdl-demo.png)
    set_tests_properties(e2e.sdl_demo PROPERTIES LABELS e2e TIMEOUT 120 RESOURCE_LOCK xvfb)
endif()

# Without any display the program says so in one line naming the ways out, and fails.
add_test(NAME e2e.sdl_no_display
         COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER $<TARGET_FILE:tavik-sudoku>)
set_tests_properties(e2e.sdl_no_display PROPERTIES LABELS e2e TIMEOUT 60 WILL_FAIL TRUE)
add_test(NAME e2e.sdl_no_display_message
         COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER $<TARGET_FILE:tavik-sudoku>)
set_tests_properties(e2e.sdl_no_display_message PROPERTIES LABELS e2e TIMEOUT 60
                     PASS_REGULAR_EXPRESSION "^tavik-sudoku: no display available[^\n]*Xvfb[^\n]*--headless\n$")
