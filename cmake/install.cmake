# Installing and packaging: the programs in bin/, what they ship with in
# share/pyrovel-level-editor/, and the desktop's pieces (launcher entry,
# icon, MIME types, AppStream metainfo, man pages). `make package` turns the
# same tree into a .deb.
include(GNUInstallDirs)

set(PYROVEL_PACKAGE pyrovel-level-editor)
set(PYROVEL_APP_ID org.pyrovel.LevelEditor)
set(PYROVEL_SHARE_SUBDIR ${CMAKE_INSTALL_DATADIR}/${PYROVEL_PACKAGE})
set(PYROVEL_SHARE_DIR ${CMAKE_INSTALL_FULL_DATADIR}/${PYROVEL_PACKAGE})
set(DESKTOP_SOURCES ${CMAKE_SOURCE_DIR}/data/desktop)
set(GENERATED_DATA ${CMAKE_BINARY_DIR}/share)

# The programs look for their data relative to themselves, so the tree can
# be installed under any prefix.
file(RELATIVE_PATH data_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${PYROVEL_SHARE_DIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/model/startup.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS PYROVEL_DATA_FROM_BIN="${data_from_bin}")

install(TARGETS prvl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET prvl-editor)
  install(TARGETS prvl-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${SPRITE_SET_OUTPUTS} ${CMAKE_SOURCE_DIR}/data/Edit.bdi
              ${CMAKE_SOURCE_DIR}/levels/demo.map ${CMAKE_SOURCE_DIR}/docs/user-guide.md
        DESTINATION ${PYROVEL_SHARE_SUBDIR})

# Files that carry the version or the installed paths.
configure_file(${DESKTOP_SOURCES}/${PYROVEL_APP_ID}.metainfo.xml
               ${GENERATED_DATA}/${PYROVEL_APP_ID}.metainfo.xml @ONLY)
foreach(page prvl prvl-editor)
  configure_file(${CMAKE_SOURCE_DIR}/data/${page}.1 ${GENERATED_DATA}/${page}.1 @ONLY)
endforeach()

install(FILES ${DESKTOP_SOURCES}/${PYROVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GENERATED_DATA}/${PYROVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DESKTOP_SOURCES}/pyrovel-level-editor.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${GENERATED_DATA}/prvl.1 ${GENERATED_DATA}/prvl-editor.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The icon: the SVG as drawn, and PNG sizes rendered from it at build time.
set(ICON_SVG ${DESKTOP_SOURCES}/${PYROVEL_APP_ID}.svg)
install(FILES ${ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(icon_pngs "")
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${GENERATED_DATA}/icons/hicolor/${size}x${size}/apps/${PYROVEL_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${GENERATED_DATA}/icons/hicolor/${size}x${size}/apps
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ICON_SVG}
      DEPENDS ${ICON_SVG}
      COMMENT "Rendering the ${size}-pixel icon")
    list(APPEND icon_pngs ${png})
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_pngs})
  install(DIRECTORY ${GENERATED_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
else()
  message(WARNING "rsvg-convert not found (Debian: librsvg2-bin): only the SVG icon is installed")
endif()

# --- the Debian package ----------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PYROVEL_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pyrovel Team")
set(CPACK_PACKAGE_CONTACT "Pyrovel Team <editor@pyrovel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for the digging game Pyrovel")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Draws the levels of Pyrovel levelmaps, edits their properties and reads the level files "
  "of many other games of the genre. Comes with prvl, a command-line tool that lists, "
  "converts and renders levelmaps.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pyrovel.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link come from dpkg-shlibdeps; the platform
# plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
