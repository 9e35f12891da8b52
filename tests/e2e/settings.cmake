# The settings round trip: every setting changed in the settings dialog and the main window,
# saved and closed, then found back after a restart in the controls and in effect. The
# settings.ini of the run and the screenshots of the dialog are kept in the build's tests folder.
add_test(NAME e2e.settings_round_trip
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/settings_round_trip.sh $<TARGET_FILE:tavik-sudoku> ${CMAKE_CURRENT_LIST_DIR}
                 ${PROJECT_BINARY_DIR}/tests/settings-round-trip)
set_tests_properties(e2e.settings_round_trip PROPERTIES LABELS e2e TIMEOUT 180)
