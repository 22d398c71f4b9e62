# The collection and the help file are made side by side (the collection names the help file relative to
# itself) and copied together beside the program.
# Builds the maker's help collection (tessarin5.qhc with tessarin5.qch) beside the program with qhelpgenerator.
find_program(TESSARIN_QHELPGENERATOR qhelpgenerator
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/libexec /usr/lib/qt6/bin
    REQUIRED)
set(TESSARIN_HELP_SOURCE ${CMAKE_CURRENT_LIST_DIR})
set(TESSARIN_HELP_PAGES index.html main-window.html cipher-kinds.html puzzle-menu.html options-menu.html
    special-menu.html tools-menu.html checking.html key-windows.html printing.html distribution.html preferences.html
    help-menu.html puzzle-files.html keyboard.html help.css)
set(TESSARIN_HELP_DEPENDS ${TESSARIN_HELP_SOURCE}/tessarin5.qhp ${TESSARIN_HELP_SOURCE}/tessarin5.qhcp)
foreach(page IN LISTS TESSARIN_HELP_PAGES)
    list(APPEND TESSARIN_HELP_DEPENDS ${TESSARIN_HELP_SOURCE}/${page})
endforeach()
set(TESSARIN_HELP_BUILD ${CMAKE_CURRENT_BINARY_DIR}/help)
set(TESSARIN_HELP_COLLECTION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/tessarin5.qhc)
set(TESSARIN_HELP_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/tessarin5.qch)
add_custom_command(OUTPUT ${TESSARIN_HELP_COLLECTION} ${TESSARIN_HELP_FILE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TESSARIN_HELP_BUILD}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TESSARIN_HELP_SOURCE} ${TESSARIN_HELP_BUILD}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${TESSARIN_HELP_COLLECTION} ${TESSARIN_HELP_FILE}
    COMMAND ${TESSARIN_QHELPGENERATOR} -s ${TESSARIN_HELP_BUILD}/tessarin5.qhcp -o ${TESSARIN_HELP_BUILD}/tessarin5.qhc
    COMMAND ${CMAKE_COMMAND} -E copy ${TESSARIN_HELP_BUILD}/tessarin5.qhc ${TESSARIN_HELP_COLLECTION}
    COMMAND ${CMAKE_COMMAND} -E copy ${TESSARIN_HELP_BUILD}/tessarin5.qch ${TESSARIN_HELP_FILE}
    DEPENDS ${TESSARIN_HELP_DEPENDS}
    COMMENT "Building the maker's help collection")
add_custom_target(tessarin_maker_help ALL DEPENDS ${TESSARIN_HELP_COLLECTION} ${TESSARIN_HELP_FILE})
install(FILES ${TESSARIN_HELP_COLLECTION} ${TESSARIN_HELP_FILE} DESTINATION ${CMAKE_INSTALL_BINDIR})
