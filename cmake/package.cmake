# Installation (cmake --install) and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS corvel corvel-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/org.corvel.Corvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.corvel.Corvel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/corvel-report.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES packaging/icons/corvel-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME org.corvel.Corvel.png)
endforeach()
install(FILES packaging/icons/corvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.corvel.Corvel.svg)
install(FILES ${CMAKE_BINARY_DIR}/default-database/彩票数据.db DESTINATION ${CMAKE_INSTALL_DATADIR}/corvel)

set(CPACK_PACKAGE_NAME corvel)
set(CPACK_PACKAGE_VENDOR "The Corvel developers")
set(CPACK_PACKAGE_CONTACT "The Corvel developers <corvel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workbench for three-digit lottery draws")
set(CPACK_PACKAGE_DESCRIPTION "Draw trend, twenty analysis tabs, filters and generators of bet lists, \
betting plans, strategy replays and back-tests for 中国福彩3D, 中国体彩排列3 and the three-digit \
window of 时时彩 games, on one local database file; corvel-report runs the computations without windows.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time (the SQLite
# driver, the platform plugins) and the Chinese fonts are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
include(CPack)
