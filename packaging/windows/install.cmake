# The Windows layout, portable: the two programs with their notes side by side
# in one folder, the notes named so that a double click opens them. CPack
# makes the ZIP of it; the `installer` target makes the NSIS installer.
install(TARGETS zurmet zurmet-convert RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION . RENAME README.txt)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "zurmet-${PROJECT_VERSION}-windows-x64")

find_program(ZURMET_MAKENSIS makensis)
set(stage "${CMAKE_CURRENT_BINARY_DIR}/installer-files")
set(installer "${ZURMET_PACKAGE_DIRECTORY}/zurmet-${PROJECT_VERSION}-setup.exe")
if(ZURMET_MAKENSIS)
  # The installer takes exactly what `cmake --install` puts in the folder,
  # stripped as CPack strips the ZIP's.
  add_custom_target(installer
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${stage}"
    COMMAND "${CMAKE_COMMAND}" --install "${CMAKE_BINARY_DIR}" --prefix "${stage}" --strip
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${ZURMET_PACKAGE_DIRECTORY}"
    COMMAND "${ZURMET_MAKENSIS}" -V2 -WX
            "-DVERSION=${PROJECT_VERSION}"
            "-DVERSION4=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0"
            "-DPUBLISHER=${ZURMET_PUBLISHER}"
            "-DFILES=${stage}"
            "-DICON=${PROJECT_SOURCE_DIR}/ui/resources/zurmet.ico"
            "-DOUTFILE=${installer}"
            "${CMAKE_CURRENT_SOURCE_DIR}/windows/zurmet.nsi"
    DEPENDS zurmet zurmet-convert
    COMMENT "Writing ${installer}"
    VERBATIM)
else()
  # Configuring works without NSIS; only this target needs it.
  add_custom_target(installer
    COMMAND "${CMAKE_COMMAND}" -E echo "makensis not found (Debian package nsis)"
    COMMAND "${CMAKE_COMMAND}" -E false
    VERBATIM)
endif()
