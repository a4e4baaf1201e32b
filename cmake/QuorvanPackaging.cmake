# Installing Quorvan on a desktop (programs, desktop entry, software-centre metadata, icons,
# document type, user guide, manual pages, shell completion) and a Debian package of it: `cpack -G DEB` in the build folder, or scripts/package-check.sh.
if(NOT QUORVAN_BUILD_GUI)
  return()
endif()
include(GNUInstallDirs)

set(QUORVAN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUORVAN_GUIDE_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvan)
set(QUORVAN_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS quorvan quorvan-cli quorvan-radiosim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry is named after the software-centre id, which the metadata matches.
install(FILES ${QUORVAN_PACKAGING_DIR}/org.quentar.quorvan.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${QUORVAN_PACKAGING_DIR}/org.quentar.quorvan.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/generated/org.quentar.quorvan.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/generated/org.quentar.quorvan.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORVAN_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUORVAN_BASH_COMPLETION}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${QUORVAN_PACKAGING_DIR}/quorvan-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvan.xml)
install(FILES ${QUORVAN_PACKAGING_DIR}/quorvan.svg DESTINATION ${QUORVAN_ICON_DIR}/scalable/apps)
install(FILES ${QUORVAN_PACKAGING_DIR}/application-x-quorvan-channels.svg
  DESTINATION ${QUORVAN_ICON_DIR}/scalable/mimetypes)
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.md ${PROJECT_SOURCE_DIR}/README.md
  ${QUORVAN_PACKAGING_DIR}/copyright DESTINATION ${QUORVAN_GUIDE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${QUORVAN_GUIDE_DIR}
  FILES_MATCHING PATTERN "*.png")

# Fixed-size icons for desktops that do not scale SVG, rendered from the same drawings.
find_package(Qt6 COMPONENTS Svg QUIET)
if(TARGET Qt6::Svg)
  add_executable(quorvan-render-icon ${QUORVAN_PACKAGING_DIR}/tools/RenderIcon.cpp)
  target_link_libraries(quorvan-render-icon PRIVATE Qt6::Svg Qt6::Gui)
  quorvan_warnings(quorvan-render-icon)

  set(icon_theme ${PROJECT_BINARY_DIR}/icons/hicolor)
  set(icon_sizes 16 22 24 32 48 64 128 256)
  set(all_icons)
  foreach(icon IN ITEMS "quorvan;apps" "application-x-quorvan-channels;mimetypes")
    list(GET icon 0 icon_name)
    list(GET icon 1 icon_context)
    set(icon_outputs)
    foreach(size IN LISTS icon_sizes)
      list(APPEND icon_outputs ${icon_theme}/${size}x${size}/${icon_context}/${icon_name}.png)
    endforeach()
    list(APPEND all_icons ${icon_outputs})
    add_custom_command(
      OUTPUT ${icon_outputs}
      # The renderer is a build tool: its leaks, if any, are not the programs'.
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:quorvan-render-icon> ${QUORVAN_PACKAGING_DIR}/${icon_name}.svg
              ${icon_theme} ${icon_context} ${icon_name} ${icon_sizes}
      DEPENDS quorvan-render-icon ${QUORVAN_PACKAGING_DIR}/${icon_name}.svg
      COMMENT "Rendering the ${icon_name} icon")
  endforeach()
  add_custom_target(quorvan_icons ALL DEPENDS ${all_icons})
  install(DIRECTORY ${icon_theme}/ DESTINATION ${QUORVAN_ICON_DIR} FILES_MATCHING PATTERN "*.png")
else()
  message(STATUS "Qt6 Svg not found: only the scalable icons are installed")
endif()

# Takes the user guide's pictures (scripts/guide-screenshots.sh); not installed.
add_executable(quorvan-guide-shots EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/docs/tools/GuideShots.cpp)
target_link_libraries(quorvan-guide-shots PRIVATE quorvan_app_parts)
quorvan_warnings(quorvan-guide-shots)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvan)
set(CPACK_PACKAGE_VENDOR "QUENTAR")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvan developers <quorvan@localhost>" CACHE STRING
  "Maintainer named in the package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "memory channel programmer for ARVEN and BELTO dual-band handheld radios")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quorvan reads a dual-band handheld transceiver over a serial cable, shows its memory\n\
channels, VFOs, CALL channels, DTMF memories and menu settings for editing, saves them as\n\
.qvx channel files, prints them and writes them back to the radio. The package also holds\n\
quorvan-cli for scripts and quorvan-radiosim, a virtual radio to try everything without one.")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help command opens the guide with the desktop's viewer; Qt's own buttons and dialogs
# in the window's language come from qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The desktop, icon and MIME databases are refreshed by the system's own file triggers, so the
# package carries no maintainer scripts.
include(CPack)
