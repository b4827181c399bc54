# Installation and packaging rules.
#
# On Linux the program installs as a freedesktop citizen: the executable in bin/, a desktop entry, its icon in
# the hicolor theme at every size the artwork comes in, and AppStream metadata for software centres. CPack
# turns the same install tree into a Debian package whose dependencies dpkg-shlibdeps works out from the
# executable, so a package made from a sanitizer build would pull in the sanitizer runtimes: make packages
# from a Release build.

set(QUORVIS_RELEASE_DATE "2026-12-07")

# qt_standard_project_setup() gives installed programs a $ORIGIN/../lib search path for libraries shipped
# beside them; Quorvis ships none and installs under /usr, where such a path has no business.
set_target_properties(quorvis quorvis-exact PROPERTIES INSTALL_RPATH "")
# On Windows the programs go in the top of their folder, with what they load beside them (below).
if(WIN32)
    set(QUORVIS_INSTALL_BINDIR .)
else()
    set(QUORVIS_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS quorvis quorvis-exact
    RUNTIME DESTINATION ${QUORVIS_INSTALL_BINDIR}
    BUNDLE DESTINATION .
)

if(UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUORVIS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

    foreach(size IN LISTS QUORVIS_ICON_SIZES)
        install(FILES ${QUORVIS_RESOURCE_DIR}/icons/quorvis-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quorvis.png)
    endforeach()

    # Manual pages and the changelog go in compressed with gzip -9n (no name, no time stamp), as Debian's
    # policy asks; the copyright file goes in as it is.
    find_program(GZIP_PROGRAM gzip REQUIRED)
    set(compressed "")
    foreach(doc quorvis.1 quorvis-exact.1 changelog)
        set(out ${PROJECT_BINARY_DIR}/packaging/${doc}.gz)
        add_custom_command(OUTPUT ${out}
            COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/packaging/${doc} > ${out}
            DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${doc}
            VERBATIM)
        list(APPEND compressed ${out})
    endforeach()
    add_custom_target(packaging_docs ALL DEPENDS ${compressed})
    install(FILES ${PROJECT_BINARY_DIR}/packaging/quorvis.1.gz ${PROJECT_BINARY_DIR}/packaging/quorvis-exact.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvis)

    configure_file(${PROJECT_SOURCE_DIR}/packaging/${QUORVIS_APP_ID}.metainfo.xml.in
        ${PROJECT_BINARY_DIR}/packaging/${QUORVIS_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${QUORVIS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME quorvis)
    set(CPACK_PACKAGE_VENDOR ${QUORVIS_ORGANISATION})
    set(CPACK_PACKAGE_CONTACT "${QUORVIS_ORGANISATION} <support@pellmark.example>")
    set(CPACK_PACKAGE_HOMEPAGE_URL "${ProductSiteAddress}")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find your nadir sign, the zodiac sign of home and family")
    # One line per control-file line, short enough for a terminal.
    string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
        "Quorvis tells you your nadir sign: the zodiac sign at the lowest point of"
        "your horoscope, which it reads as the sign of home, family and inner"
        "security. Type your name, pick your date of birth and the two-hour slot"
        "in which you were born, and it shows your nadir sign with a picture and"
        "a short reading.")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)

    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The exact reading's zone history is the system's tz database, read at run time.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
    # The windows are laid out for Verdana; its narrow stand-in keeps their texts inside their boxes.
    # Qt's own translations make its standard buttons and dialogs speak the program's language. The chart wheel
    # and the reading card are drawn in Arial or, where it is missing, its metric twin Liberation Sans.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-extra, qt6-translations-l10n, fonts-liberation2")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

    include(CPack)
endif()

# On Windows the folder is the whole install, as the installer (packaging/windows/) lays it out: the programs,
# Qt in its own DLLs (shared, as the LGPL asks, so that they can be swapped) with the platform plugin and the
# JPEG reader the program loads, ERFA's DLL, the runtime of mingw-w64's GCC and its threads library, tzdata's
# zone files, and the licences and notices of all of them in licences/.
if(WIN32)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        $<TARGET_FILE:Qt6::PrintSupport> DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats) # the sign pictures
    pkg_get_variable(ERFA_PREFIX erfa prefix)
    set(runtime ${ERFA_PREFIX}/bin/liberfa-1.dll)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${found}")
            message(FATAL_ERROR "the compiler does not know where ${dll} is")
        endif()
        list(APPEND runtime ${found})
    endforeach()
    install(FILES ${runtime} DESTINATION .)
    install(DIRECTORY ${PROJECT_BINARY_DIR}/bin/zoneinfo DESTINATION .)
    # Qt's own translations of its standard buttons and dialogs, for the languages Quorvis speaks: Debian's
    # qt6-translations-l10n (data, the same on every platform) unless the Qt for Windows brings its own.
    get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
    foreach(language IN LISTS QUORVIS_LANGUAGES)
        set(qm ${qt_prefix}/translations/qtbase_${language}.qm)
        if(NOT EXISTS ${qm})
            set(qm /usr/share/qt6/translations/qtbase_${language}.qm)
        endif()
        install(FILES ${qm} DESTINATION translations)
    endforeach()

    set(QUORVIS_WINDOWS_NOTICES "" CACHE PATH "Licence texts of the libraries built for Windows (scripts/windows.sh)")
    if(QUORVIS_WINDOWS_NOTICES)
        install(DIRECTORY ${QUORVIS_WINDOWS_NOTICES}/ DESTINATION licences)
    endif()
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION licences RENAME Quorvis.txt)
endif()
