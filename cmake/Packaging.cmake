# Installing QAL like a Debian program and packing it with CPack's DEB
# generator: the two programs in bin, their data in share/qal, the menu entry,
# the icon at the theme's sizes, the software centre's metainfo, the manual
# pages, bash completion, the copyright and changelog; the package's
# dependencies computed by dpkg-shlibdeps plus the data packages QAL reads.
include(GNUInstallDirs)

# The date of the version set in project(): in the metainfo and the changelog.
set(QAL_RELEASE_DATE 2026-12-06)
set(QAL_MAINTAINER "QAL maintainers <maintainers@users.noreply.c-seed-26e549bf.example>")
set(QAL_HOMEPAGE "https://brenvale.example/qal")
set(pack ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${pack})

# Manual pages with the version, compressed as Debian keeps them.
set(manuals)
foreach(page qal.1 qal-cli.1)
  configure_file(${CMAKE_SOURCE_DIR}/data/man/${page} ${pack}/${page} @ONLY)
  add_custom_command(OUTPUT ${pack}/${page}.gz
    COMMAND gzip -9nf -k ${pack}/${page}
    DEPENDS ${pack}/${page}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND manuals ${pack}/${page}.gz)
endforeach()
install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The icon drawn at the theme's fixed sizes beside the scalable one.
set(icons)
foreach(size 48 128 256)
  add_custom_command(OUTPUT ${pack}/icon-${size}/qal.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pack}/icon-${size}
    COMMAND qal-render-icon ${CMAKE_SOURCE_DIR}/data/qal.svg ${size} ${pack}/icon-${size}/qal.png
    DEPENDS qal-render-icon ${CMAKE_SOURCE_DIR}/data/qal.svg
    COMMENT "Drawing the icon at ${size} pixels")
  list(APPEND icons ${pack}/icon-${size}/qal.png)
  install(FILES ${pack}/icon-${size}/qal.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The changelog of this version in Debian's form, compressed.
string(TIMESTAMP QAL_BUILD_YEAR "%Y")
execute_process(COMMAND date -R -d ${QAL_RELEASE_DATE}T12:00:00Z OUTPUT_VARIABLE QAL_RELEASE_RFC2822
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(WRITE ${pack}/changelog
  "qal (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Streaming aspect calendars, calendar files, the time map, and a package.\n\n"
  " -- ${QAL_MAINTAINER}  ${QAL_RELEASE_RFC2822}\n")
add_custom_command(OUTPUT ${pack}/changelog.gz
  COMMAND gzip -9nf -k ${pack}/changelog
  DEPENDS ${pack}/changelog
  COMMENT "Compressing the changelog")

add_custom_target(qal-packaging ALL DEPENDS ${manuals} ${icons} ${pack}/changelog.gz)

configure_file(${CMAKE_SOURCE_DIR}/data/qal.metainfo.xml.in ${pack}/example.brenvale.qal.metainfo.xml @ONLY)
install(FILES ${pack}/example.brenvale.qal.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/qal-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME qal-cli)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${pack}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qal)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qal)
set(CPACK_PACKAGE_VENDOR Brenvale)
set(CPACK_PACKAGE_CONTACT ${QAL_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "aspects, patterns and transits for astrologers")
set(CPACK_PACKAGE_DESCRIPTION
  "For a date, a local time and a time zone QAL shows where the Sun, the Moon
and the planets from Mercury to Pluto stand, tropical or sidereal, and which
aspects they form within the orbs you choose, in six chart modes: an aspect
table, a chart wheel, reports of the aspect counts and patterns, transit
graphs, a time map of the months ahead, and when each aspect begins, becomes
exact and ends, to the minute. Pictures are saved as PNG, SVG or PDF and the
aspects as calendar files. QAL speaks English and German.

The command qal-cli gives the same answers in a terminal, as text, CSV, JSON
or calendar files, and draws time maps for reports.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QAL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the ephemeris' data files, the glyph font and Qt's
# platform plugins; Qt's German button texts are welcome.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-basic-data, fonts-dejavu-core, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
