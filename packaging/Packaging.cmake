# Installation (`cmake --install`) and the Debian package (`make package`).
#
# The layout follows Debian's conventions for games and freedesktop.org's
# for desktops:
#   <prefix>/games/velvetarium                      the program
#   <prefix>/share/games/velvetarium/               pictures, sounds, music
#   <prefix>/share/applications/velvetarium.desktop the menu entry
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/      the icons
#   <prefix>/share/man/man6/velvetarium.6.gz        the manual page
#   <prefix>/share/metainfo/velvetarium.metainfo.xml  for software centres
#   <prefix>/share/doc/velvetarium/copyright
# The installed game finds its data by the prefix compiled in below, or
# relative to its own executable when the tree was moved (src/app/DataPaths).

set(VELVETARIUM_RELEASE_DATE "2026-12-05")
set(VELVETARIUM_DATA_DIR "${CMAKE_INSTALL_PREFIX}/share/games/velvetarium")
set(DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)

configure_file(${CMAKE_SOURCE_DIR}/packaging/InstallPrefix.h.in
               ${CMAKE_BINARY_DIR}/generated/app/InstallPrefix.h @ONLY)
target_include_directories(velvetarium_core PRIVATE ${CMAKE_BINARY_DIR}/generated)

# /usr/games and /usr/local/games are on Debian's default path; any other
# prefix gets the full path in the menu entry.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr" OR CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  set(VELVETARIUM_DESKTOP_EXEC "velvetarium")
else()
  set(VELVETARIUM_DESKTOP_EXEC "${CMAKE_INSTALL_PREFIX}/games/velvetarium")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/velvetarium.desktop.in ${DESKTOP_DIR}/velvetarium.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/velvetarium.metainfo.xml.in
               ${DESKTOP_DIR}/velvetarium.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/velvetarium.6.in ${DESKTOP_DIR}/velvetarium.6 @ONLY)

# Debian compresses manual pages; -n keeps the time stamp out, so the
# package is the same from build to build.
add_custom_command(
  OUTPUT ${DESKTOP_DIR}/velvetarium.6.gz
  COMMAND gzip -9nc ${DESKTOP_DIR}/velvetarium.6 > ${DESKTOP_DIR}/velvetarium.6.gz
  DEPENDS ${DESKTOP_DIR}/velvetarium.6
  COMMENT "Compressing the manual page")

# The icons are painted by the asset generator, like every other picture.
set(ICON_SIZES 16 32 48 64 128 256)
set(ICON_DIR ${DESKTOP_DIR}/icons)
set(ICON_STAMP ${ICON_DIR}/.icons-stamp)
add_custom_command(
  OUTPUT ${ICON_STAMP}
  COMMAND velvetarium-assets --icons ${ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${ICON_STAMP}
  DEPENDS velvetarium-assets
  COMMENT "Painting the desktop icons into ${ICON_DIR}")
add_custom_target(desktop_files ALL DEPENDS ${ICON_STAMP} ${DESKTOP_DIR}/velvetarium.6.gz)

# Directories 0755 whatever the umask of the one who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS velvetarium RUNTIME DESTINATION games)
# Every picture, sound and music file of the run directory; not the program,
# nor a log or progress file that playing in the run directory left there.
install(DIRECTORY ${GAME_DIR}/ DESTINATION share/games/velvetarium
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        FILES_MATCHING PATTERN "*.tga" PATTERN "*.bmp" PATTERN "*.pcx" PATTERN "*.wav")
install(FILES ${DESKTOP_DIR}/velvetarium.desktop DESTINATION share/applications)
install(FILES ${DESKTOP_DIR}/velvetarium.metainfo.xml DESTINATION share/metainfo)
install(FILES ${DESKTOP_DIR}/velvetarium.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/velvetarium)
foreach(size ${ICON_SIZES})
  install(FILES ${ICON_DIR}/${size}x${size}/velvetarium.png DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# The Debian package. Its dependencies are found by dpkg-shlibdeps from the
# libraries the program links, so they name the runtime packages (libsdl,
# libsdl-mixer, libgl1, libc6, libstdc++6), never the -dev ones.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velvetarium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velvetarium developers")
set(CPACK_PACKAGE_CONTACT "The Velvetarium developers <velvetarium@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade and memory game of ballerinas, blossoms and a cat")
# The extended description (CPack puts the summary line before it), wrapped
# as Debian's control files want it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ballerinas dance on a stage; you steer a cat with the mouse, and your Prima
Ballerina dances after her cat and throws blossoms that make the other
ballerinas happy. To take over another ballerina, click the letters of her
stage name in the right order.
.
Nine city dances at three difficulties, after a guided first dance. Every
picture, sound and tune is made by the game's own generator.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# A package is never meant for /usr/local: the default prefix packages for
# /usr (the program still finds its data relative to itself); any other
# prefix, such as /opt/velvetarium, is kept so that the menu entry matches.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
else()
  set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the linked libraries (SDL 1.2, libsdl-mixer1.2, libc6,
# libstdc++6...). Two more are named here: libgl1, because SDL opens the
# OpenGL library (GLX and Mesa's drivers) at run time, so no linked symbol
# names it; and the maintained SDL 1.2 compat library on SDL2 as the first
# choice for SDL 1.2 (it scales fullscreen instead of switching the monitor's
# mode); the classic library, which it replaces, works too.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libsdl1.2-compat-shim | libsdl1.2debian")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
