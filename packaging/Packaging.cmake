# Installation and the Debian package (cpack -G DEB), included from the top-level
# CMakeLists.txt once the calvora target exists.
#
# One application id names the desktop entry, the icon and the AppStream file, so
# software centres and desktops tie the three together.
set(CALVORA_APP_ID org.calvora.calvora)
set(CALVORA_MAINTAINER "The Calvora developers <maintainers@calvora.org>")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS calvora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES help/CALVOR1.HLP DESTINATION ${CMAKE_INSTALL_DATADIR}/calvora)
install(FILES ${CALVORA_HELP_IMAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/calvora/images)
install(FILES ${CALVORA_HELP_CURVES} DESTINATION ${CMAKE_INSTALL_DATADIR}/calvora/images)
install(FILES packaging/${CALVORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${CALVORA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/${CALVORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog are installed compressed, without a time stamp
# in the gzip header, so two builds of the same sources give the same files.
set(packaging_generated ${CMAKE_BINARY_DIR}/packaging)
foreach(doc calvora.1 changelog)
  add_custom_command(OUTPUT ${packaging_generated}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_generated}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/${doc} > ${packaging_generated}/${doc}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc}
    VERBATIM)
endforeach()
add_custom_target(calvora_compressed_docs ALL
  DEPENDS ${packaging_generated}/calvora.1.gz ${packaging_generated}/changelog.gz)
install(FILES ${packaging_generated}/calvora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_generated}/changelog.gz packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/calvora)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME calvora)

# ---- Debian package ---------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Calvora developers")
set(CPACK_PACKAGE_CONTACT ${CALVORA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CALVORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://calvora.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "heat exchanger calculator")
# CPack puts the summary above this text as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Calvora is a desktop engineering calculator for heat exchangers. It rates
double pipe, cross-flow tube bank, shell and tube and compact tube-fin
exchangers: Reynolds numbers, film and overall heat transfer coefficients,
heat duty, exit temperatures and pressure drops. It also solves thermal
problems by the effectiveness-NTU method for any three unknowns among the
outlet temperatures, mass flow rates, heat duty, area and overall
coefficient. Results can be saved as a plain-text report or printed.")
# Library dependencies come from the binary (dpkg-shlibdeps); Qt loads its
# platform plugins and the SVG image plugin (the help pictures) at run time, and
# the units library reads its database (/usr/share/xml/udunits/udunits2.xml) at
# run time, so no library link names those packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, libudunits2-data")
# A native package: the version has no Debian revision.
find_program(DPKG_PROGRAM dpkg)
if(DPKG_PROGRAM)
  execute_process(COMMAND ${DPKG_PROGRAM} --print-architecture
    OUTPUT_VARIABLE CALVORA_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${CALVORA_DEB_ARCH})
  set(CPACK_DEBIAN_FILE_NAME calvora_${PROJECT_VERSION}_${CALVORA_DEB_ARCH}.deb)
endif()
include(CPack)
