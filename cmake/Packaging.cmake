# What installing puts where (GNU directories under the prefix), and the Debian package that
# CPack builds from it with `bash scripts/package`.

set(SKYANCHOR_RELEASE_DATE 2026-12-08)
set(SKYANCHOR_HOMEPAGE "https://skyanchor.org/satellite" CACHE STRING "The project's public page, named by the package and its metadata")
set(SKYANCHOR_MAINTAINER "Skyanchor Satellite developers <satellite@skyanchor.org>" CACHE STRING "The package's maintainer")
# The window shows the vector lines in the desktop's fixed-pitch font, which nothing links to.
set(SKYANCHOR_FIXED_PITCH_FONT_PACKAGE fonts-inconsolata CACHE STRING "Debian package of the fixed-pitch font the window needs")

execute_process(COMMAND date -u -R -d "${SKYANCHOR_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE SKYANCHOR_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(data_in ${PROJECT_SOURCE_DIR}/data)
set(data_out ${PROJECT_BINARY_DIR}/data)
configure_file(${data_in}/${SKYANCHOR_APP_ID}.metainfo.xml.in ${data_out}/${SKYANCHOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${data_in}/changelog.in ${data_out}/changelog @ONLY)

# Debian keeps manual pages and changelogs compressed, without name or time stamp so that
# builds are reproducible.
foreach(document IN ITEMS ${data_in}/skyanchor-satellite.1 ${data_out}/changelog)
  get_filename_component(name ${document} NAME)
  add_custom_command(OUTPUT ${data_out}/${name}.gz COMMAND gzip -9nc ${document} > ${data_out}/${name}.gz
                     DEPENDS ${document} VERBATIM)
  list(APPEND compressed_documents ${data_out}/${name}.gz)
endforeach()
add_custom_target(skyanchor_compressed_documents ALL DEPENDS ${compressed_documents})

install(FILES ${data_in}/${SKYANCHOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data_in}/icons/${SKYANCHOR_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${data_out}/${SKYANCHOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data_out}/skyanchor-satellite.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${data_out}/changelog.gz ${data_in}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skyanchor-satellite)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skyanchor-satellite)
set(CPACK_PACKAGE_VENDOR "The Skyanchor Satellite developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "initial state of a satellite in a stationary orbit")
set(CPACK_PACKAGE_DESCRIPTION
    "Skyanchor Satellite is a small tool for people who set up spacecraft
simulations. Name a longitude, East or West, and an instant, as a calendar
date and time or as a Modified Julian Date, and it writes the position and
velocity of a satellite in a stationary orbit over that longitude as two
lines, RPOS and RVEL, ready to paste into a scenario. A scripting mode prints
the same lines on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SKYANCHOR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SKYANCHOR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the X and Wayland platform plugins, the
# SVG icon loader and the fonts the window is laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, libqt6svg6, fonts-dejavu-core, ${SKYANCHOR_FIXED_PITCH_FONT_PACKAGE}")
include(CPack)
