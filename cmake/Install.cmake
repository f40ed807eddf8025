# Install layout (GNUInstallDirs) and the Debian package made by `cpack -G DEB`.
include(GNUInstallDirs)

set(HM_APP_ID org.haulmetry.Haulmetry)
set(HM_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(HM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/haulmetry)

install(TARGETS haulmetry-ecusim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages, the changelog: Debian wants them compressed, without a time stamp in the gzip header.
find_program(HM_GZIP gzip REQUIRED)
set(HM_GZIPPED)
foreach(src man/haulmetry.1 man/haulmetry-ecusim.1 changelog)
    get_filename_component(name ${src} NAME)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
        COMMAND ${HM_GZIP} -9nc ${HM_PACKAGING_DIR}/${src} > ${out}
        DEPENDS ${HM_PACKAGING_DIR}/${src} VERBATIM)
    list(APPEND HM_GZIPPED ${out})
endforeach()
add_custom_target(hm_packaging_files ALL DEPENDS ${HM_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/haulmetry-ecusim.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${HM_DOC_DIR})
install(FILES ${HM_PACKAGING_DIR}/copyright DESTINATION ${HM_DOC_DIR})
# The figures, the findings rules file and the reasons of the default rules (the man page
# points here).
install(FILES ${CMAKE_SOURCE_DIR}/docs/findings.md DESTINATION ${HM_DOC_DIR})
# Every key of the settings file and of library.conf (the man page points here).
install(FILES ${CMAKE_SOURCE_DIR}/docs/settings.md DESTINATION ${HM_DOC_DIR})
install(FILES ${HM_PACKAGING_DIR}/60-haulmetry-serial.rules DESTINATION ${HM_DOC_DIR}/examples)
install(FILES ${HM_PACKAGING_DIR}/completion/haulmetry-ecusim
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(HM_BUILD_UI)
    install(TARGETS haulmetry RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The printing module, where the program looks for it (printing/PrintModule.cpp).
    install(TARGETS haulmetry-print LIBRARY DESTINATION ${HM_MODULE_DIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/haulmetry.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${HM_PACKAGING_DIR}/${HM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${HM_PACKAGING_DIR}/${HM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${HM_PACKAGING_DIR}/haulmetry-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${HM_APP_ID}.xml)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/119.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${HM_APP_ID}.svg)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${HM_PACKAGING_DIR}/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${HM_APP_ID}.png)
    endforeach()
    install(FILES ${HM_PACKAGING_DIR}/completion/haulmetry
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

# ---- Debian package ---------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME haulmetry)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Haulmetry developers")
set(CPACK_PACKAGE_CONTACT "Haulmetry developers <maintainers@haulmetry.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for trailer electronic braking systems")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${HM_PACKAGING_DIR}/description.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/COPYING)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Library dependencies are computed from the binaries by dpkg-shlibdeps; only what is loaded at
# run time without being linked is named here (Qt's platform plugins, the SQL drivers of the
# trailer library, the spreadsheet library).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libqt6sql6-psql, libxlsxwriter4")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-utils")
# Qt's own texts (the buttons of message and file dialogs) in the languages Haulmetry speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
