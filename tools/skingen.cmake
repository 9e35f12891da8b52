# skingen: draws the skins from their sources in resources/skins (cairo for the drawing) and
# writes packed archives or skin folders; the build runs it (resources/resources.cmake).
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
file(GLOB skingen_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/skingen/*.cpp)
add_executable(skingen ${skingen_sources})
target_link_libraries(skingen PRIVATE skin_data platform_gfx PkgConfig::CAIRO)
target_include_directories(skingen PRIVATE ${PROJECT_SOURCE_DIR})
