# What `cmake --install` puts where, and the Debian package CPack makes of it
# (tools/package.sh): the two programs, the desktop entry, icons, AppStream metadata, the MIME
# type of test files, man pages, the manual, the copyright file and the Debian changelog.
set(ZRV_APP_ID org.zorvantellique.Zorvantellique)
set(ZRV_DOC_DIR share/doc/zorvantellique)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zorvantellique zrv-sim RUNTIME DESTINATION bin)
install(FILES packaging/${ZRV_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${ZRV_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/zorvantellique-mime.xml DESTINATION share/mime/packages
        RENAME zorvantellique.xml)
install(FILES src/qt/resources/icon.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${ZRV_APP_ID}.svg)
foreach(nSize 48 128 256)
    install(FILES src/qt/resources/icon-${nSize}.png
            DESTINATION share/icons/hicolor/${nSize}x${nSize}/apps RENAME ${ZRV_APP_ID}.png)
endforeach()

# Debian wants man pages and its changelog compressed, without a time stamp (gzip -n).
set(ZRV_GZIPPED)
foreach(strFile zorvantellique.1 zrv-sim.1 changelog.Debian)
    set(strOut ${CMAKE_CURRENT_BINARY_DIR}/packaging/${strFile}.gz)
    add_custom_command(OUTPUT ${strOut}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
                       COMMAND gzip -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${strFile} > ${strOut}
                       DEPENDS packaging/${strFile} VERBATIM)
    list(APPEND ZRV_GZIPPED ${strOut})
endforeach()
add_custom_target(zrv-packaging-files ALL DEPENDS ${ZRV_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/zorvantellique.1.gz
              ${CMAKE_CURRENT_BINARY_DIR}/packaging/zrv-sim.1.gz
        DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian.gz packaging/copyright
        DESTINATION ${ZRV_DOC_DIR})
file(GLOB ZRV_MANUAL_PAGES CONFIGURE_DEPENDS docs/manual/*.md)
file(GLOB ZRV_MANUAL_PICTURES CONFIGURE_DEPENDS docs/*.png)
# The pages link their pictures as ../NAME.png, as in the source tree.
install(FILES ${ZRV_MANUAL_PAGES} DESTINATION ${ZRV_DOC_DIR}/manual)
install(FILES ${ZRV_MANUAL_PICTURES} DESTINATION ${ZRV_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvantellique)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wind tunnel control and test recording")
# The summary above is the synopsis; CPack indents these lines and marks the blank one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zorvantellique controls the Zorvantellique wind-tunnel instrument on a USB
serial port. Lift, drag, the drag coefficient and the lift-to-drag ratio are
plotted live against wind speed; tests are saved, compared, printed and
exported as CSV, PNG, SVG or PDF.

The package also holds zrv-sim, a virtual instrument on a pseudo-terminal.")
set(CPACK_PACKAGE_CONTACT "Zorvantellique developers <packages@zorvantellique.example.org>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugins at run time, out of sight of dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
