# Installing the game where a desktop finds it, and a Debian package.
include(GNUInstallDirs)

install(TARGETS namiyose RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The waves go to the game's data folder; the game looks beside the
# executable first and there second.
get_property(_namiyose_waves GLOBAL PROPERTY NAMIYOSE_WAVE_FILES)
install(FILES ${_namiyose_waves} DESTINATION ${CMAKE_INSTALL_DATADIR}/namiyose)

install(FILES packaging/org.namiyose.namiyose.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.namiyose.namiyose.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/pictures/namiyose.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME namiyose)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ナミヨセ <namiyose@namiyose.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "raft fishing game for black sea bream (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION "A single-player desktop fishing game in Japanese: cross to a moored raft,\ndrop groundbait balls and strike at the right moment to land chinu.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared-library dependencies come from dpkg-shlibdeps; the Japanese font and
# the SVG renderer, which the game cannot do without, are named as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), fonts-noto-cjk | fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
