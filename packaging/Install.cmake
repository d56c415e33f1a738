# Installation like any Debian desktop program: the executables and the files they read
# beside them in lib/zorvane (the program folder), commands in bin, and the desktop entry,
# icon and AppStream metadata under share. CPack turns the same layout into a .deb.
include(GNUInstallDirs)
set(ZORVANE_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/zorvane)

set(ZORVANE_COMMANDS zorvane)
if(TARGET zorvane-cli)
    list(APPEND ZORVANE_COMMANDS zorvane-cli)
endif()
install(TARGETS ${ZORVANE_COMMANDS} RUNTIME DESTINATION ${ZORVANE_PROGRAM_DIR})
install(FILES ${ZORVANE_SIDE_FILES} DESTINATION ${ZORVANE_PROGRAM_DIR})
set(ZORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zorvane)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/licences DESTINATION ${ZORVANE_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/SOURCES.md DESTINATION ${ZORVANE_DOC_DIR})

# The commands in bin are relative links, so the program still finds its folder (the
# executable's own, links resolved) wherever the tree is installed.
foreach(command IN LISTS ZORVANE_COMMANDS)
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin}\")
        file(CREATE_LINK \"../${ZORVANE_PROGRAM_DIR}/${command}\" \"\${bin}/${command}\" SYMBOLIC)")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/zorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/example.zorvane.Zorvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zorvane <contact@zorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Assistant for French letter games and French communes")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs read French from its translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
