# The program's resources: the About picture is compiled into the game library, and the Skins
# folder (the About dialog's local page) is copied beside the program and beside
# the tests, which look for it next to their own executable.
set(about_picture ${CMAKE_CURRENT_LIST_DIR}/About.jpg)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${about_picture})
file(READ ${about_picture} about_hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," about_bytes "${about_hex}")
file(WRITE ${PROJECT_BINARY_DIR}/generated/AboutPicture.cpp.new
    "// Generated from resources/About.jpg.\n#include \"app/AboutPicture.h\"\n\n"
    "static const std::uint8_t Bytes[] = {${about_bytes}};\n\n"
    "std::span<const std::uint8_t> AboutPictureData() { return Bytes; }\n")
file(COPY_FILE ${PROJECT_BINARY_DIR}/generated/AboutPicture.cpp.new ${PROJECT_BINARY_DIR}/generated/AboutPicture.cpp ONLY_IF_DIFFERENT)
target_sources(app_lib PRIVATE ${PROJECT_BINARY_DIR}/generated/AboutPicture.cpp)

file(GLOB_RECURSE skins_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/Skins/*)
set(skins_stamps "")
foreach(place IN ITEMS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} ${PROJECT_BINARY_DIR}/tests)
    foreach(file IN LISTS skins_files)
        file(RELATIVE_PATH relative ${CMAKE_CURRENT_LIST_DIR} ${file})
        add_custom_command(OUTPUT ${place}/${relative} COMMAND ${CMAKE_COMMAND} -E copy ${file} ${place}/${relative}
            DEPENDS ${file} COMMENT "Copying ${relative}")
        list(APPEND skins_stamps ${place}/${relative})
    endforeach()
endforeach()
add_custom_target(game_resources ALL DEPENDS ${skins_stamps})
add_dependencies(app_lib game_resources)
