# Installs the build into a fresh prefix and runs the installed command-line program from
# there: it must find its embedded words and its definitions file in the installed tree.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file lib/zorvane/zorvane lib/zorvane/definitions1.20.ret lib/zorvane/Licenceds.rtf
             share/applications/zorvane.desktop share/icons/hicolor/scalable/apps/zorvane.svg
             share/metainfo/example.zorvane.Zorvane.metainfo.xml)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(EXISTS "${BUILD_DIR}/zorvane-duplicate")
    foreach(file lib/zorvane/zorvane-duplicate bin/zorvane-duplicate
                 share/man/man1/zorvane-duplicate.1.gz
                 share/applications/zorvane-duplicate.desktop
                 share/icons/hicolor/scalable/apps/zorvane-duplicate.svg
                 share/metainfo/example.zorvane.ZorvaneDuplicate.metainfo.xml)
        if(NOT EXISTS "${PREFIX}/${file}")
            message(FATAL_ERROR "not installed: ${file}")
        endif()
    endforeach()
endif()

# Run from elsewhere, through the command in bin, as a user would.
execute_process(COMMAND "${PREFIX}/bin/zorvane-cli" anagram CHAT
                WORKING_DIRECTORY "${PREFIX}/share"
                RESULT_VARIABLE status OUTPUT_VARIABLE anagrams)
if(NOT status EQUAL 0 OR NOT anagrams MATCHES "CHAT")
    message(FATAL_ERROR "installed zorvane-cli anagram CHAT: status ${status}, output ${anagrams}")
endif()
execute_process(COMMAND "${PREFIX}/bin/zorvane-cli" check MAISON
                WORKING_DIRECTORY "${PREFIX}/share"
                RESULT_VARIABLE status OUTPUT_VARIABLE checked)
if(NOT status EQUAL 0 OR NOT checked MATCHES "MAISON")
    message(FATAL_ERROR "installed zorvane-cli check MAISON: status ${status}, output ${checked}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
