# CLI11 and nlohmann-json are header-only Debian packages under /usr/include.
# The cross build must not search all of /usr/include (it would shadow
# mingw's own headers), so both folders are linked into a directory of the
# build tree that holds nothing else, and every build uses that directory.

function(zurmet_link_header_dir name marker)
  find_path(${name}_ROOT ${marker} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ${name}_ROOT)
    message(FATAL_ERROR "${marker} not found: install the Debian package listed in scripts/test")
  endif()
  get_filename_component(top "${marker}" DIRECTORY)
  file(MAKE_DIRECTORY "${ZURMET_HEADER_DIR}")
  if(NOT EXISTS "${ZURMET_HEADER_DIR}/${top}")
    file(CREATE_LINK "${${name}_ROOT}/${top}" "${ZURMET_HEADER_DIR}/${top}" SYMBOLIC)
  endif()
endfunction()

set(ZURMET_HEADER_DIR "${CMAKE_BINARY_DIR}/third_party/include")
zurmet_link_header_dir(CLI11 CLI/CLI.hpp)
zurmet_link_header_dir(NLOHMANN_JSON nlohmann/json.hpp)

add_library(zurmet_header_libraries INTERFACE)
target_include_directories(zurmet_header_libraries SYSTEM INTERFACE "${ZURMET_HEADER_DIR}")
