# Translations of the window program and the command line: one Qt Linguist source per language,
# translations/haulmetry_<lang>.ts, compiled by lrelease into <build>/translations/*.qm, which the
# program finds beside itself in the build tree or installed in ../share/haulmetry/translations. A new language is one new .ts file (`hm_lupdate` fills it).
set(HM_TRANSLATION_SOURCE_DIR ${CMAKE_SOURCE_DIR}/translations)
set(HM_TRANSLATION_BINARY_DIR ${CMAKE_BINARY_DIR}/translations)
file(GLOB HM_TS_FILES CONFIGURE_DEPENDS ${HM_TRANSLATION_SOURCE_DIR}/haulmetry_*.ts)

# Qt 6's tools (Debian: qt6-l10n-tools) live in Qt's own bin folder, beside Qt 5's of the same name.
get_target_property(HM_QMAKE_LOCATION Qt6::qmake IMPORTED_LOCATION)
get_filename_component(HM_QT_BIN_DIR "${HM_QMAKE_LOCATION}" DIRECTORY)
find_program(HM_LRELEASE NAMES lrelease HINTS ${HM_QT_BIN_DIR} /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(HM_LUPDATE NAMES lupdate HINTS ${HM_QT_BIN_DIR} /usr/lib/qt6/bin NO_DEFAULT_PATH)
if(NOT HM_LRELEASE OR NOT HM_LUPDATE)
    message(FATAL_ERROR "lrelease/lupdate of Qt 6 not found (Debian: apt-get install qt6-l10n-tools)")
endif()

set(HM_QM_FILES)
foreach(ts ${HM_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${HM_TRANSLATION_BINARY_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${HM_TRANSLATION_BINARY_DIR}
        COMMAND ${HM_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
        DEPENDS ${ts} VERBATIM)
    list(APPEND HM_QM_FILES ${qm})
endforeach()
add_custom_target(hm_translations ALL DEPENDS ${HM_QM_FILES})

# Refreshes every .ts from the sources (new texts appear as unfinished, which the `checks` tests
# refuse until they are translated). Run it by hand: cmake --build build --target hm_lupdate
set(HM_TRANSLATED_DIRS app dialogs graphs histogram mainwindow print report resources widgets
    fleetdata ecu platform session library librarywindow figures printing)
list(TRANSFORM HM_TRANSLATED_DIRS PREPEND ${CMAKE_SOURCE_DIR}/)
add_custom_target(hm_lupdate
    COMMAND ${HM_LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h
        -I ${CMAKE_SOURCE_DIR}
        ${HM_TRANSLATED_DIRS} -ts ${HM_TS_FILES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)

install(FILES ${HM_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/haulmetry/translations)
