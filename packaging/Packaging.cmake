# Installing like a desktop program: the desktop entry, the MIME type of
# structure files, the application icon in the hicolor theme, the examples,
# and the Debian package made by `cpack -G DEB` (package name "ruvo").
# The executables install themselves (src/gui.cmake, tools/CMakeLists.txt).

set(RUVO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(RUVO_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/ruvo.svg)
set(RUVO_ICON_SIZES 16 24 32 48 64 128 256)

if(TARGET ruvo)
    # The PNG sizes of the icon are drawn from the SVG at build time with
    # Qt's SVG renderer.
    find_package(Qt6 6.4 REQUIRED COMPONENTS Gui Svg)
    add_executable(ruvo-render-icons ${RUVO_PACKAGING_DIR}/RenderIcons.cpp)
    target_link_libraries(ruvo-render-icons PRIVATE Qt6::Gui Qt6::Svg)

    set(RUVO_ICON_DIR ${PROJECT_BINARY_DIR}/packaging/icons)
    set(RUVO_ICON_PNGS)
    foreach(size ${RUVO_ICON_SIZES})
        list(APPEND RUVO_ICON_PNGS ${RUVO_ICON_DIR}/${size}x${size}/apps/ruvo.png)
    endforeach()
    # A sanitizer build would count Qt's caches as leaks of this helper.
    add_custom_command(OUTPUT ${RUVO_ICON_PNGS}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:ruvo-render-icons> ${RUVO_ICON_SVG} ${RUVO_ICON_DIR} ruvo ${RUVO_ICON_SIZES}
        DEPENDS ruvo-render-icons ${RUVO_ICON_SVG}
        COMMENT "Rendering the application icon"
        VERBATIM)
    add_custom_target(ruvo-icons ALL DEPENDS ${RUVO_ICON_PNGS})

    install(FILES ${RUVO_PACKAGING_DIR}/ruvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${RUVO_PACKAGING_DIR}/ruvo-structure.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ruvo.xml)
    install(FILES ${RUVO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size ${RUVO_ICON_SIZES})
        install(FILES ${RUVO_ICON_DIR}/${size}x${size}/apps/ruvo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()

    # A Debian package refreshes the desktop caches by dpkg triggers. A plain
    # `cmake --install` into a live prefix refreshes them itself, so that a
    # double-clicked .str file opens in the program at once; staging
    # installs (DESTDIR, CPack) are left alone.
    install(CODE [[
        if("$ENV{DESTDIR}" STREQUAL "" AND NOT CMAKE_INSTALL_PREFIX MATCHES "/_CPack_Packages/")
            set(share "${CMAKE_INSTALL_PREFIX}/share")
            find_program(RUVO_UPDATE_MIME update-mime-database)
            find_program(RUVO_UPDATE_DESKTOP update-desktop-database)
            find_program(RUVO_UPDATE_ICONS gtk-update-icon-cache)
            if(RUVO_UPDATE_MIME)
                execute_process(COMMAND ${RUVO_UPDATE_MIME} "${share}/mime")
            endif()
            if(RUVO_UPDATE_DESKTOP)
                execute_process(COMMAND ${RUVO_UPDATE_DESKTOP} "${share}/applications")
            endif()
            if(RUVO_UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/index.theme")
                execute_process(COMMAND ${RUVO_UPDATE_ICONS} -q -t "${share}/icons/hicolor")
            endif()
        endif()
    ]])
endif()

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ruvo)
file(GLOB RUVO_EXAMPLE_FILES ${PROJECT_SOURCE_DIR}/examples/*.str)
install(FILES ${RUVO_EXAMPLE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ruvo/examples)

# The Debian package. dpkg-shlibdeps finds the libraries the executables
# link; Qt's SVG plugins are loaded at run time, so libqt6svg6 is named by
# hand, and so are Qt's catalogues (qtbase_ru.qm: Qt's own dialogs and
# buttons in Russian). The desktop caches follow by the triggers of the recommended
# packages, which every desktop installs anyway.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruvo)
set(CPACK_PACKAGE_VENDOR Ostrand)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of plane frames")
set(CPACK_PACKAGE_CONTACT "Ostrand <ruvo@ostrand.ru>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.ostrand.ru/ruvo/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
# The long description; CPack puts the summary before it and indents it.
set(CPACK_PACKAGE_DESCRIPTION
    "Ruvo analyses plane frames made of straight rods joined at nodes. The
structure is drawn on a grid with the mouse; supports, hinges, forces,
moments, distributed and temperature loads and support settlements are
added with the mouse or in dialogs. Ruvo shows the bending-moment, shear
and axial-force diagrams, the displaced shape and the reactions, prints
them, and writes a text report of all results. The user interface is in
Russian, or in English on an English desktop.

The package also holds ruvo-calc, which prints the results report of a
structure file on the command line.")
include(CPack)
