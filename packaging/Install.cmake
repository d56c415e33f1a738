# Installation like any Debian desktop program: the executables, the data library they share
# and the files they read beside them in lib/zorvane (the program folder), commands in bin,
# manual pages, the desktop entry, icon and AppStream metadata under share. CPack turns the
# same layout into a .deb that lintian accepts.
include(GNUInstallDirs)
set(ZORVANE_PROGRAM_DIR lib/zorvane)

set(ZORVANE_COMMANDS zorvane)
foreach(command IN ITEMS zorvane-cli zorvane-duplicate)
    if(TARGET ${command})
        list(APPEND ZORVANE_COMMANDS ${command})
    endif()
endforeach()
# The data library sits in the program folder's data/, found from the executables wherever
# the tree is installed. Not beside them: CPack would then call ldconfig from the package's
# scripts, as for a library of the system's own folders.
set_target_properties(${ZORVANE_COMMANDS} PROPERTIES INSTALL_RPATH "$ORIGIN/data")
install(TARGETS ${ZORVANE_COMMANDS} RUNTIME DESTINATION ${ZORVANE_PROGRAM_DIR})
install(TARGETS zorvane_embedded LIBRARY DESTINATION ${ZORVANE_PROGRAM_DIR}/data
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${ZORVANE_SIDE_FILES} DESTINATION ${ZORVANE_PROGRAM_DIR})

# The commands in bin start the executables of the program folder, so that the program finds
# its folder wherever the tree is installed. Small scripts rather than links: the package's
# Installed-Size would count a link as a second copy of its target.
foreach(command IN LISTS ZORVANE_COMMANDS)
    set(COMMAND ${command})
    set(PROGRAM_DIR ${ZORVANE_PROGRAM_DIR})
    configure_file(packaging/launcher.in ${CMAKE_BINARY_DIR}/packaging/bin/${command} @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/bin/${command} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Documentation: Debian wants the changelog and the manual pages compressed, without a
# time stamp so that two builds give the same bytes.
set(ZORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zorvane)
set(compressed)
foreach(source IN ITEMS packaging/changelog packaging/man/zorvane.1 packaging/man/zorvane-cli.1
                       packaging/man/zorvane-duplicate.1)
    get_filename_component(name ${source} NAME)
    set(gz ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${gz}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source})
    list(APPEND compressed ${gz})
endforeach()
add_custom_target(zorvane_docs DEPENDS ${compressed})
# Made with the program, so that installing or packaging right after building only the
# program's targets (the README's run command) finds them.
add_dependencies(zorvane zorvane_docs)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright
        resources/SOURCES.md docs/json-schema.md docs/zorvane-cli.schema.json
        DESTINATION ${ZORVANE_DOC_DIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/zorvane.1.gz ${CMAKE_BINARY_DIR}/packaging/zorvane-cli.1.gz
        ${CMAKE_BINARY_DIR}/packaging/zorvane-duplicate.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The Debian copyright files and npm licence files of the data inputs; the GPL, LGPL and MPL
# texts are already on every Debian system (/usr/share/common-licenses).
install(DIRECTORY resources/licences DESTINATION ${ZORVANE_DOC_DIR}
        PATTERN "*GPL*" EXCLUDE PATTERN "MPL*" EXCLUDE)

# lintian's notes on the package: the reasons are in the file.
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zorvane)
# Each desktop program has its entry, icon and AppStream file.
install(FILES packaging/zorvane.desktop packaging/zorvane-duplicate.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/zorvane.svg packaging/zorvane-duplicate.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/example.zorvane.Zorvane.metainfo.xml
        packaging/example.zorvane.ZorvaneDuplicate.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zorvane <contact@zorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assistant for French letter games and French communes")
# CPack puts the summary on the first line and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zorvane is a desktop assistant, in French, for word games and for looking up
French communes. Its windows check whether a word is in the dictionary (part
of speech, definition, Scrabble points and admission), find every word a
draw of up to 12 letters spells with a joker, list synonyms, solve crossword
patterns, find words spelled nearly alike, and find communes by postal code
or name with their department, region, academy and coordinates.

The command zorvane-cli runs the same searches from a terminal or a script,
as text or JSON. The desktop program zorvane-duplicate plays French duplicate
games against the top (the best move of each draw), keeps the score sheet and
lists every move of any position.")
# Word lists, definitions and synonyms are text tools, like the dictionaries of section
# "text"; Zorvane plays no game itself, so "games" would mislead.
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Links open in the browser and the mail program through xdg-open; the Qt dialogs' own
# buttons are French with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
