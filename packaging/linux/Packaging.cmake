# Installing Selvora (the layout of the Debian package) and the two things
# handed to users: the Debian package (cpack) and the portable archive (target
# "portable"). The executable goes to bin/ and its camera module to
# lib/<architecture>/selvora/; an executable in a system folder
# keeps its data in the user's data folder and finds the read-only password
# file with the initial password in share/selvora/ and the manual in
# share/doc/selvora/.
include(GNUInstallDirs)

set(SELVORA_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging/linux)
set(SELVORA_PACKAGE_BUILD ${CMAKE_BINARY_DIR}/packaging)
set(SELVORA_APP_ID it.selvora_software.Selvora)

# --- icon at the usual sizes, rendered from the logo --------------------------
set(_icon_svg ${SELVORA_PACKAGE_BUILD}/icons/selvora.svg)
set(_logo ${CMAKE_SOURCE_DIR}/resources/images/selvora-logo.svg)
add_custom_command(OUTPUT ${_icon_svg}
  COMMAND ${CMAKE_COMMAND} -DLOGO=${_logo} -DOUT=${_icon_svg} -P ${SELVORA_PACKAGING_DIR}/make_icon.cmake
  DEPENDS ${_logo} ${SELVORA_PACKAGING_DIR}/make_icon.cmake
  VERBATIM)
set(_icon_outputs ${_icon_svg})
set(SELVORA_ICON_SIZES 16 24 32 48 64 128 256)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  foreach(_size ${SELVORA_ICON_SIZES})
    set(_png ${SELVORA_PACKAGE_BUILD}/icons/${_size}x${_size}/selvora.png)
    add_custom_command(OUTPUT ${_png}
      COMMAND ${RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_icon_svg}
      DEPENDS ${_icon_svg}
      VERBATIM)
    list(APPEND _icon_outputs ${_png})
    install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
  endforeach()
else()
  message(STATUS "rsvg-convert not found: the package gets the scalable icon only")
endif()

# --- manual pages (English and Italian) and changelog, compressed as Debian
# wants them ---------------------------------------------------------------------
set(_man ${SELVORA_PACKAGE_BUILD}/selvora.1.gz)
set(_man_it ${SELVORA_PACKAGE_BUILD}/it/selvora.1.gz)
set(_changelog ${SELVORA_PACKAGE_BUILD}/changelog.gz)
add_custom_command(OUTPUT ${_man}
  COMMAND gzip -9 -n -c ${SELVORA_PACKAGING_DIR}/selvora.1 > ${_man}
  DEPENDS ${SELVORA_PACKAGING_DIR}/selvora.1)
add_custom_command(OUTPUT ${_man_it}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SELVORA_PACKAGE_BUILD}/it
  COMMAND gzip -9 -n -c ${SELVORA_PACKAGING_DIR}/selvora.it.1 > ${_man_it}
  DEPENDS ${SELVORA_PACKAGING_DIR}/selvora.it.1)
add_custom_command(OUTPUT ${_changelog}
  COMMAND gzip -9 -n -c ${SELVORA_PACKAGING_DIR}/changelog > ${_changelog}
  DEPENDS ${SELVORA_PACKAGING_DIR}/changelog)
add_custom_target(selvora_desktop_files ALL DEPENDS ${_icon_outputs} ${_man} ${_man_it} ${_changelog})

# --- install layout ----------------------------------------------------------
install(TARGETS selvora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The camera module, found by the program at bin/../${SELVORA_MODULE_DIR}: a
# private module, so neither shlibs nor ldconfig calls.
install(TARGETS selvora_camera LIBRARY DESTINATION ${SELVORA_MODULE_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/program/unins000.dll
  DESTINATION ${CMAKE_INSTALL_DATADIR}/selvora
  PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
install(FILES ${SELVORA_PROGRAM_DIR}/Guida.pdf ${SELVORA_PACKAGING_DIR}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/selvora)
install(FILES ${SELVORA_PACKAGING_DIR}/${SELVORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SELVORA_PACKAGING_DIR}/${SELVORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_man_it} DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)
install(FILES ${_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/selvora)
# The one lintian remark that is meant: the password file with the initial
# password is read-only on purpose (the program copies it and never writes it).
install(FILES ${SELVORA_PACKAGING_DIR}/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME selvora)

# --- Debian package ----------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selvora)
set(CPACK_PACKAGE_VENDOR "Selvora Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Selvora Software <info@selvora-software.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "candidate archive, interview sessions and rankings for interview committees")
# The summary above is the first line; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Selvora is a single-user desktop program, in Italian, for an office or a\n"
  "selection committee that holds job interviews: a candidate archive with\n"
  "photos and attached files, interview sessions with scored interview cards,\n"
  "merit and alphabetical rankings, A4 printouts, spreadsheet exports, fiscal\n"
  "code and VAT number checks.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.selvora-software.it")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the plug-ins and fonts the program
# loads at run time are named here, since no linker sees them. The Italian of
# Qt's own dialogs and buttons comes from qt6-translations-l10n: without it a
# user would see "Cancel", so it is a dependency, not a recommendation.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# --- portable archive ----------------------------------------------------------
# The executable and the files a fresh program folder needs, in one folder
# "Selvora/"; the data is created beside the executable where it is unpacked.
# Qt's Italian texts travel with it in "translations/", so that the copy does
# not depend on the machine's translation package.
set(SELVORA_PORTABLE_ARCHIVE
  ${CMAKE_BINARY_DIR}/selvora-${PROJECT_VERSION}-portable-linux-${CMAKE_SYSTEM_PROCESSOR}.tar.gz)
add_custom_target(portable
  COMMAND ${CMAKE_COMMAND} -DPROGRAM_DIR=${SELVORA_PROGRAM_DIR} -DFRESH=${CMAKE_SOURCE_DIR}/resources/program
          -DSTAGE=${SELVORA_PACKAGE_BUILD}/portable -DARCHIVE=${SELVORA_PORTABLE_ARCHIVE}
          -DEXECUTABLE=$<TARGET_FILE_NAME:selvora> -DSTRIP=${CMAKE_STRIP}
          -DQT_TRANSLATIONS=${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}
          -P ${SELVORA_PACKAGING_DIR}/make_portable.cmake
  DEPENDS selvora
  COMMENT "Writing the portable archive ${SELVORA_PORTABLE_ARCHIVE}"
  VERBATIM)

if(SELVORA_BUILD_TESTS)
  add_test(NAME package_contents COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_contents PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
endif()
