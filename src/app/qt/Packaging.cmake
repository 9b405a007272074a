# Installation and the Debian package. The program finds its run-time bitmaps in its own
# directory, so it and the bitmaps live together in lib/helmsway; bin/helmsway is a link to
# it (the program's directory is that of the resolved executable).
include(GNUInstallDirs)
set(helmsway_libdir "${CMAKE_INSTALL_LIBDIR}/helmsway")
install(TARGETS helmsway RUNTIME DESTINATION "${helmsway_libdir}")
install(FILES ${HELMSWAY_RUNTIME_BITMAPS} DESTINATION "${helmsway_libdir}")

file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/bin")
file(RELATIVE_PATH link_target "/usr/${CMAKE_INSTALL_BINDIR}" "/usr/${helmsway_libdir}/helmsway")
file(CREATE_LINK "${link_target}" "${CMAKE_CURRENT_BINARY_DIR}/bin/helmsway" SYMBOLIC)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/bin/helmsway" DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES "${PROJECT_SOURCE_DIR}/packaging/linux/helmsway.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${HELMSWAY_ICON_PNG}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME helmsway)
set(CPACK_PACKAGE_VENDOR "The Helmsway authors")
set(CPACK_PACKAGE_CONTACT "The Helmsway authors <helmsway@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Only the program: the test tools install nothing of their own.
include(CPack)
