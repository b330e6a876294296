# Releases, each made by `cmake --build --preset <preset> --target package`:
# - windows: kavrin-<version>-win64.zip, a folder with the programs, README.txt, LICENSE.txt and
#   THIRD-PARTY-NOTICES.txt (text files with CR LF line ends, as Notepad expects) and the manual;
# - default (Linux): a .deb with the programs, a desktop entry and icons, its dependencies taken
#   from the libraries the programs link (dpkg-shlibdeps).
# The desktop program is packaged once it is part of the build.
set(kavrin_programs kavrin-cli)
if(TARGET kavrin)
    list(APPEND kavrin_programs kavrin)
endif()

set(CPACK_PACKAGE_NAME kavrin)
set(CPACK_PACKAGE_VENDOR "the Kavrin developers")
set(CPACK_PACKAGE_CONTACT "the Kavrin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Builds Tomb Raider Level Editor object WAD sets from pieces of other sets and levels")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # Text files for Windows, every line ending in CR LF: README.txt from its template (with the
    # desktop program's part when it is built), the licence and the notices.
    function(kavrin_windows_text name content)
        string(REPLACE "\r\n" "\n" content "${content}")
        string(REPLACE "\n" "\r\n" content "${content}")
        file(WRITE "${CMAKE_BINARY_DIR}/package-text/${name}" "${content}")
        install(FILES "${CMAKE_BINARY_DIR}/package-text/${name}" DESTINATION .)
    endfunction()
    set(KAVRIN_DESKTOP_README "")
    if(TARGET kavrin)
        file(READ "${CMAKE_SOURCE_DIR}/packaging/windows/README-desktop.txt" KAVRIN_DESKTOP_README)
    endif()
    file(READ "${CMAKE_SOURCE_DIR}/packaging/windows/README.txt.in" readme)
    string(CONFIGURE "${readme}" readme @ONLY)
    kavrin_windows_text(README.txt "${readme}")
    file(READ "${CMAKE_SOURCE_DIR}/LICENSE" license)
    kavrin_windows_text(LICENSE.txt "${license}")
    file(READ "${CMAKE_SOURCE_DIR}/packaging/THIRD-PARTY-NOTICES.txt" notices)
    kavrin_windows_text(THIRD-PARTY-NOTICES.txt "${notices}")

    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "kavrin-${PROJECT_VERSION}-win64")
else()
    if(TARGET kavrin)
        install(FILES "${CMAKE_SOURCE_DIR}/packaging/linux/kavrin.desktop"
                DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
        foreach(size 16 24 32 48 64 128 256)
            install(FILES "${CMAKE_SOURCE_DIR}/src/resources/icons/kavrin-${size}.png"
                    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                    RENAME kavrin.png)
        endforeach()
    endif()
    install(FILES "${CMAKE_SOURCE_DIR}/LICENSE" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kavrin
            RENAME copyright)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

install(TARGETS ${kavrin_programs} RUNTIME DESTINATION "${KAVRIN_PROGRAM_DIR}")
include(CPack)
