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

# The skins are drawn from resources/skins by skingen at build time. The seven internal skins
# become packed archives compiled into the internal_skins library, in collection order; two more
# are shipped in the Skins folder, one as a skin folder and one as a packed skin file.
set(internal_skin_names Neutral2 Desert BlueIce HeroesStyle MacOS Winter2003 Wood)
file(GLOB_RECURSE skin_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/skins/*.txt)
set(internal_skins_dir ${PROJECT_BINARY_DIR}/generated/skins)
set(internal_skins_cpp ${PROJECT_BINARY_DIR}/generated/InternalSkinsData.cpp)
set(internal_skins_archives "")
foreach(name IN LISTS internal_skin_names)
    list(APPEND internal_skins_archives ${internal_skins_dir}/${name}.asz)
endforeach()
add_custom_command(OUTPUT ${internal_skins_cpp} ${internal_skins_archives}
    COMMAND skingen ${CMAKE_CURRENT_LIST_DIR}/skins ${internal_skins_dir} --embed ${internal_skins_cpp} ${internal_skin_names}
    DEPENDS skingen ${skin_sources} COMMENT "Drawing the internal skins")
add_library(internal_skins STATIC ${internal_skins_cpp})
target_include_directories(internal_skins PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(app_lib PUBLIC internal_skins)

foreach(place IN ITEMS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} ${PROJECT_BINARY_DIR}/tests)
    add_custom_command(OUTPUT ${place}/Skins/Meadow.asz ${place}/Skins/Graphite/Options.dat
        COMMAND skingen ${CMAKE_CURRENT_LIST_DIR}/skins ${place}/Skins Meadow Graphite
        DEPENDS skingen ${skin_sources} COMMENT "Drawing the shipped skins")
    list(APPEND skins_stamps ${place}/Skins/Meadow.asz ${place}/Skins/Graphite/Options.dat)
endforeach()
add_custom_target(game_resources ALL DEPENDS ${skins_stamps})
add_dependencies(app_lib game_resources)

# Every generated skin passes the skin author's own check.
foreach(name IN LISTS internal_skin_names)
    add_test(NAME asz_check_internal_${name} COMMAND asz check "${name} (internal)")
endforeach()
add_test(NAME asz_check_shipped_Meadow COMMAND asz check ${PROJECT_BINARY_DIR}/tests/Skins/Meadow.asz)
add_test(NAME asz_check_shipped_Graphite COMMAND asz check ${PROJECT_BINARY_DIR}/tests/Skins/Graphite)
