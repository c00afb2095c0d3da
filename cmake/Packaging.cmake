# SPDX-FileCopyrightText: 2026 QAL maintainers
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installing QAL like a Debian program (debian/ builds the package from these
# rules): the two programs in bin, their data in share/qal, the menu entry,
# the icon at the theme's sizes, the software centre's metainfo, the manual
# pages, bash completion, and the source the programs were built from. Every
# name the desktop sees is the application's one ID.
include(GNUInstallDirs)

set(QAL_APP_ID example.brenvale.qal) # provisional, until the project has a domain of its own
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
  add_custom_command(OUTPUT ${pack}/icon-${size}/${QAL_APP_ID}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pack}/icon-${size}
    COMMAND qal-render-icon ${CMAKE_SOURCE_DIR}/data/qal.svg ${size} ${pack}/icon-${size}/${QAL_APP_ID}.png
    DEPENDS qal-render-icon ${CMAKE_SOURCE_DIR}/data/qal.svg
    COMMENT "Drawing the icon at ${size} pixels")
  list(APPEND icons ${pack}/icon-${size}/${QAL_APP_ID}.png)
  install(FILES ${pack}/icon-${size}/${QAL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/qal.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${QAL_APP_ID}.svg)
add_custom_target(qal-packaging ALL DEPENDS ${manuals} ${icons})

install(FILES ${CMAKE_SOURCE_DIR}/data/${QAL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/data/${QAL_APP_ID}.metainfo.xml.in ${pack}/${QAL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${pack}/${QAL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/qal-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME qal-cli)

# The source the programs were built from, as the licence asks, beside the
# package's copyright: a reproducible archive made when installing.
set(QAL_SOURCE_ARCHIVE ${CMAKE_INSTALL_DATADIR}/doc/qal/qal-${PROJECT_VERSION}-source.tar.xz)
install(CODE "execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/source-archive.sh ${CMAKE_SOURCE_DIR}
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QAL_SOURCE_ARCHIVE}\" qal-${PROJECT_VERSION} COMMAND_ERROR_IS_FATAL ANY)")
