# Installation layout and the Debian package: ./dev package
include(GNUInstallDirs)

foreach(t tirel12 tirel12-cli tirel12-sim)
  if(TARGET ${t})
    install(TARGETS ${t} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/Tirel12.html)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/Tirel12.html DESTINATION ${CMAKE_INSTALL_DATADIR}/tirel12)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tirel12.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# udev reads its rules from /lib/udev/rules.d, outside the /usr prefix.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/60-tirel12.rules DESTINATION /lib/udev/rules.d)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tirel12.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tirel12)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tirel-12 software developers <tirel12@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software for the Tirel-12 two-way radio")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6serialport6 (>= 6.4), qt6-qpa-plugins, libxcb1, fonts-liberation")
# Qt's own texts (message box buttons, file dialogs) in Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME "tirel12_${PROJECT_VERSION}_amd64.deb")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
