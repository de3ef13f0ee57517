# The Linux layout: the programs in bin/, and in share/ what lets the desktop,
# the software centres, man and the shells find them. CPack makes the .deb.
include(GNUInstallDirs)

set(ZURMET_HOMEPAGE "https://zurmet.org" CACHE STRING "The project's web site, named in the packages")
# Debian's zsh looks for packaged completions in vendor-completions and for
# the rest in site-functions, which other systems' zsh searches too.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(zsh_default "${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions")
else()
  set(zsh_default "${CMAKE_INSTALL_DATADIR}/zsh/site-functions")
endif()
set(ZURMET_ZSH_COMPLETION_DIR "${zsh_default}" CACHE STRING "Where zsh completions go, under the prefix")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZURMET_PUBLISHER} <developers@zurmet.org>")

set(here "${CMAKE_CURRENT_SOURCE_DIR}/linux")
set(data "${CMAKE_INSTALL_DATADIR}")
set(doc "${CMAKE_INSTALL_DATADIR}/doc/zurmet")

install(TARGETS zurmet zurmet-convert RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES "${here}/${ZURMET_ID}.desktop" DESTINATION "${data}/applications")
configure_file("${here}/${ZURMET_ID}.metainfo.xml.in" "${ZURMET_ID}.metainfo.xml" @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${ZURMET_ID}.metainfo.xml" DESTINATION "${data}/metainfo")
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/ui/resources/icons/zurmet-${size}.png"
          DESTINATION "${data}/icons/hicolor/${size}x${size}/apps" RENAME "${ZURMET_ID}.png")
endforeach()

# Manual pages and the changelog are installed gzipped, as man and Debian read
# them; -n keeps the date out, so the same files give the same package.
set(compressed)
function(install_gzipped file destination)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "OPTIONS")
  add_custom_command(OUTPUT "${file}.gz" COMMAND gzip -9nkf "${file}" DEPENDS "${file}" VERBATIM)
  install(FILES "${file}.gz" DESTINATION "${destination}" ${arg_OPTIONS})
  set(compressed ${compressed} "${file}.gz" PARENT_SCOPE)
endfunction()

foreach(page IN ITEMS zurmet zurmet-convert)
  configure_file("${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1.in" "${page}.1" @ONLY)
  install_gzipped("${CMAKE_CURRENT_BINARY_DIR}/${page}.1" "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()

set(completions "${CMAKE_CURRENT_SOURCE_DIR}/completions")
install(FILES "${completions}/zurmet-convert.bash"
        DESTINATION "${data}/bash-completion/completions" RENAME zurmet-convert)
install(FILES "${completions}/_zurmet-convert" DESTINATION "${ZURMET_ZSH_COMPLETION_DIR}")
install(FILES "${completions}/zurmet-convert.fish" DESTINATION "${data}/fish/vendor_completions.d")

install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION "${doc}")
# The .deb names its licence in Debian's copyright file and keeps a Debian
# changelog; every other install gets LICENSE.
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${doc}" COMPONENT license)
set(debian_only COMPONENT debian EXCLUDE_FROM_ALL)
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" license)
# In a copyright file the licence text is indented and an empty line is " .".
string(REGEX REPLACE "\n+$" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REGEX REPLACE "\n" "\n " license " ${license}")
configure_file("${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright.in" copyright @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/copyright" DESTINATION "${doc}" ${debian_only})
# A changelog entry is dated in RFC 2822 form, English weekday first.
execute_process(COMMAND env LC_ALL=C date -u -R -d "${ZURMET_RELEASE_DATE} 12:00 UTC"
                OUTPUT_VARIABLE ZURMET_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file("${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in" changelog @ONLY)
install_gzipped("${CMAKE_CURRENT_BINARY_DIR}/changelog" "${doc}" OPTIONS ${debian_only})
add_custom_target(compressed_docs ALL DEPENDS ${compressed})

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZURMET_HOMEPAGE}")
# The libraries come from the binaries (libqt6gui6 brings the X11 platform
# plug-in); the fonts do not: the window is laid out for Wine's MS Sans Serif
# and draws bold text in Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation")
# Without Qt's Wayland plug-in the window still opens on a Wayland desktop,
# through XWayland; with it, it is a native Wayland window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# CPack puts CPACK_PACKAGE_DESCRIPTION_SUMMARY first and indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[Zurmet converts length, area, capacity and volume, weight, temperature,
speed and paper basis weight with exact decimal arithmetic, never binary
floating point, so 1.1 x 3 is 3.3. A quantity may be compound (1 yd 2 ft
3 in) and the answer split over up to three units (8 ft 4 in).

The package holds the converter window, zurmet, and the command-line
converter zurmet-convert, which also converts time, energy, power,
pressure, force, angle, data and fuel economy, and reads JSON lines for
scripts.]])
