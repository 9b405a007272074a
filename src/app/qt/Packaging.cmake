# Installation and the Debian package. The program finds its run-time bitmaps in its own
# directory, so it and the bitmaps live together in lib/helmsway; games/helmsway is a link to
# it (the program's directory is that of the resolved executable). Helmsway is filed among the
# games, whose programs Debian keeps in /usr/games.
include(GNUInstallDirs)
set(helmsway_libdir "${CMAKE_INSTALL_LIBDIR}/helmsway")
set(helmsway_bindir games)
set(helmsway_docdir "${CMAKE_INSTALL_DATADIR}/doc/helmsway")
set(packaging "${PROJECT_SOURCE_DIR}/packaging/linux")

# The package's version is the project's. The changelog and the AppStream metadata list the
# releases, so each new version adds an entry to both; their latest must be this one.
file(STRINGS "${packaging}/changelog" latest LIMIT_COUNT 1)
file(READ "${packaging}/org.example.helmsway.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"[^\"]*\"" listed "${metainfo}")
if(NOT latest MATCHES "^helmsway \\(${PROJECT_VERSION}\\) " OR
   NOT listed STREQUAL "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "packaging/linux: the latest release in changelog and metainfo must be "
                      "${PROJECT_VERSION}, the project's version")
endif()

install(TARGETS helmsway RUNTIME DESTINATION "${helmsway_libdir}")
install(FILES ${HELMSWAY_RUNTIME_BITMAPS} DESTINATION "${helmsway_libdir}")

file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/bin")
file(RELATIVE_PATH link_target "/usr/${helmsway_bindir}" "/usr/${helmsway_libdir}/helmsway")
file(CREATE_LINK "${link_target}" "${CMAKE_CURRENT_BINARY_DIR}/bin/helmsway" SYMBOLIC)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/bin/helmsway" DESTINATION "${helmsway_bindir}")

# The menu entry names the program by its full path: KWin grants the program that a menu entry
# names by path what the entry asks for in X-KDE-Wayland-Interfaces (typing, on a Plasma
# Wayland session), and so the path is written as the install puts the program.
install(CODE "
  file(READ \"${packaging}/helmsway.desktop\" entry)
  string(REPLACE \"Exec=helmsway\" \"Exec=\${CMAKE_INSTALL_PREFIX}/${helmsway_bindir}/helmsway\"
         entry \"\${entry}\")
  file(WRITE \"${CMAKE_CURRENT_BINARY_DIR}/helmsway.desktop\" \"\${entry}\")")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/helmsway.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${HELMSWAY_ICON_PNG}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps")
# GNOME Shell loads the extensions it finds here when a session starts; the player enables
# Helmsway's once (the README says how).
install(DIRECTORY "${PROJECT_SOURCE_DIR}/src/relay/gnome-shell/extension/"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/gnome-shell/extensions/helmsway@example.org")
# What software centres list.
install(FILES "${packaging}/org.example.helmsway.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# Debian wants the changelog and the manual compressed, without a time stamp, so the package
# is reproducible.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(file changelog helmsway.6)
  add_custom_command(OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/${file}.gz"
    COMMAND ${GZIP_PROGRAM} -9nc "${packaging}/${file}" > "${CMAKE_CURRENT_BINARY_DIR}/${file}.gz"
    DEPENDS "${packaging}/${file}"
    COMMENT "Compressing ${file}")
  list(APPEND compressed "${CMAKE_CURRENT_BINARY_DIR}/${file}.gz")
endforeach()
add_custom_target(helmsway_compressed_docs ALL DEPENDS ${compressed})
install(FILES "${packaging}/copyright" "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz"
        DESTINATION "${helmsway_docdir}")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/helmsway.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME helmsway)
set(CPACK_PACKAGE_VENDOR "The Helmsway authors")
set(CPACK_PACKAGE_CONTACT "The Helmsway authors <helmsway@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The long description, in lines short enough for package managers to show as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A small window, kept above the others, with a ship's helm of clickable pictures"
  "and a keypad for map courses. Each click brings the game client's window to the"
  "front and types the boat command into it, as the player would. Works with the"
  "classic client under Wine and with ClassicUO, on X11 desktops, and on GNOME's"
  "and Plasma's Wayland sessions, where the game may be a native Wayland window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The build keeps its debugging information; the package ships the program without it.
set(CPACK_STRIP_FILES ON)
# Only the program: the test tools install nothing of their own.
include(CPack)
