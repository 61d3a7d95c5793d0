# Installing the game where a desktop finds it, and a Debian package.
include(GNUInstallDirs)

# Debian puts games in /usr/games (and /usr/local/games for a local build).
set(NAMIYOSE_INSTALL_GAMESDIR games CACHE STRING "Where the game's program is installed, below the prefix")

install(TARGETS namiyose RUNTIME DESTINATION ${NAMIYOSE_INSTALL_GAMESDIR})
# A stripped program still carries the compilers' notes; a package has no use
# for them.
string(CONFIGURE [[
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND "@CMAKE_OBJCOPY@" --remove-section=.comment --remove-section=.note
                                "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@NAMIYOSE_INSTALL_GAMESDIR@/namiyose"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
]] _namiyose_strip_notes @ONLY)
install(CODE "${_namiyose_strip_notes}")

# The waves go to the game's data folder; the game looks beside the
# executable first and there second.
get_property(_namiyose_waves GLOBAL PROPERTY NAMIYOSE_WAVE_FILES)
install(FILES ${_namiyose_waves} DESTINATION ${CMAKE_INSTALL_DATADIR}/namiyose)

# The menu entry starts the program where this install puts it: the entry in
# packaging/ names /usr/games, the package's place.
set(_namiyose_desktop ${CMAKE_CURRENT_BINARY_DIR}/packaging/org.namiyose.namiyose.desktop)
string(CONFIGURE [[
    set(_exec "@NAMIYOSE_INSTALL_GAMESDIR@/namiyose")
    cmake_path(ABSOLUTE_PATH _exec BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
    file(READ "@CMAKE_CURRENT_SOURCE_DIR@/packaging/org.namiyose.namiyose.desktop" _entry)
    string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=${_exec}" _entry "${_entry}")
    file(WRITE "@_namiyose_desktop@" "${_entry}")
]] _namiyose_menu_entry @ONLY)
install(CODE "${_namiyose_menu_entry}")
install(FILES ${_namiyose_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.namiyose.namiyose.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/pictures/namiyose.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page and the Debian changelog, compressed as Debian wants them:
# at the highest level, with no name or time stamp inside, so that two builds
# give the same bytes.
find_program(NAMIYOSE_GZIP gzip REQUIRED)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/namiyose.6 packaging/changelog)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
foreach(_doc namiyose.6 changelog)
    execute_process(COMMAND ${NAMIYOSE_GZIP} -9n
                    INPUT_FILE ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${_doc}
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/${_doc}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/namiyose.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.Debian.gz)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME namiyose)

# The package's version is the changelog's latest entry, which must be for
# this version of the game.
file(STRINGS packaging/changelog _namiyose_latest LIMIT_COUNT 1)
if(NOT _namiyose_latest MATCHES "^namiyose \\(([^-]+)-([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog does not start with an entry \"namiyose (<version>-<revision>)\"")
endif()
set(_namiyose_changelog_version ${CMAKE_MATCH_1})
set(_namiyose_debian_revision ${CMAKE_MATCH_2})
if(NOT _namiyose_changelog_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog's latest entry is for ${_namiyose_changelog_version}, "
                        "the game is ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME namiyose)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${_namiyose_debian_revision})
set(CPACK_PACKAGE_CONTACT "ナミヨセ <namiyose@namiyose.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "raft fishing game for black sea bream (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION "A single-player desktop fishing game in Japanese: cross to a moored raft,\ndrop groundbait balls and strike at the right moment to land chinu.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared-library dependencies come from dpkg-shlibdeps. Named as well: what
# Qt loads at run time and dpkg-shlibdeps cannot see (the SQLite driver of
# the day's log, Qt's translations for its own dialogs), the SVG renderer and
# the Japanese font, which the game cannot do without.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6 (>= 6.4), libqt6sql6-sqlite (>= 6.4), qt6-translations-l10n (>= 6.4), fonts-noto-cjk | fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
