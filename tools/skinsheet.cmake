# skinsheet: a PNG contact sheet of every section of a skin in every state, enabled and disabled,
# on a light and a dark parent, for the skin's artists to judge it at a glance; or a scene of the
# game's main window and settings dialog drawn from the skin.
add_executable(skinsheet ${CMAKE_CURRENT_LIST_DIR}/skinsheet/main.cpp ${CMAKE_CURRENT_LIST_DIR}/skinsheet/SheetSkinSource.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skinsheet/TSkinSheet.cpp ${CMAKE_CURRENT_LIST_DIR}/skinsheet/TScenePainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skinsheet/TSkinScene.cpp)
target_link_libraries(skinsheet PRIVATE skin_paint internal_skins)
target_include_directories(skinsheet PRIVATE ${PROJECT_SOURCE_DIR})
