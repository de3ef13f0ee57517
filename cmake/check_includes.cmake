# Refuses every #include of the program's sources that its layer may not
# make, as the table "Layers" of docs/architecture.md says:
#
#   cmake -DSOURCE_DIR=<repository> [-DSTAMP=<file>] -P cmake/check_includes.cmake
#
# Each folder includes the headers of its own folder and of the layers below
# it, by their folder's name ("units/convert.h"); only controls/ itself
# includes controls/native/. Qt's headers belong to controls/native/qt/
# alone, the Win32 headers to controls/native/win32/ and to the *_win32 files
# of platform/ and cli/, which hold what differs on Windows; the header
# libraries to cli/. The build runs this check before it compiles anything;
# STAMP is touched when nothing is refused.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<repository> [-DSTAMP=<file>] -P check_includes.cmake")
endif()

# The folders of the program, and the folders each may include from.
set(may_include_decimal decimal)
set(may_include_platform platform)
set(may_include_units units decimal platform)
set(may_include_controls controls)
set(may_include_cli cli units decimal platform)
set(may_include_ui ui controls units decimal platform)
set(folders decimal platform units controls cli ui)

set(qt_header [[^(Q[A-Za-z0-9]+|Qt[A-Za-z]*/.*|qpa/.*|q[a-z0-9_]+\.h)$]])
set(win32_header
    [[^([Ww]indows|[Ww]indowsx|[Ww]in[a-z]+|[Cc]ommctrl|[Ss]hellapi|[Ss]hlobj|[Oo]bjbase|[Oo]le2|[Oo]leacc|[Pp]sapi|[Uu]xtheme|[Dd]wmapi|[Ss]hellscalingapi|[Uu][Ii]automation[A-Za-z]*)\.h$]])
set(header_library [[^(nlohmann|CLI)/]])

set(refusals "")

# Appends a refusal for one include of one file.
function(refuse file line why)
  set(refusals "${refusals}${file}: #include ${line}: ${why}\n" PARENT_SCOPE)
endfunction()

function(check_file file)
  file(RELATIVE_PATH path "${SOURCE_DIR}" "${file}")
  string(REGEX MATCH "^[^/]+" folder "${path}")
  get_filename_component(name "${file}" NAME_WE)
  string(REGEX MATCH "_win32(_test)?$" windows_twin "${name}")
  file(STRINGS "${file}" lines REGEX [=[^[ 	]*#[ 	]*include[ 	]*[<"]]=])
  foreach(line IN LISTS lines)
    string(REGEX REPLACE [=[^[ 	]*#[ 	]*include[ 	]*([<"][^>"]*[>"]).*$]=] [[\1]] header "${line}")
    string(SUBSTRING "${header}" 1 -1 inner)
    string(REGEX REPLACE [[.$]] "" inner "${inner}")
    if(header MATCHES [[^<]])
      if(inner MATCHES "${qt_header}" AND NOT path MATCHES "^controls/native/qt/")
        refuse("${path}" "${header}" "Qt belongs to controls/native/qt/")
      elseif(inner MATCHES "${win32_header}" AND NOT path MATCHES "^controls/native/win32/"
             AND NOT (folder MATCHES "^(platform|cli)$" AND windows_twin))
        refuse("${path}" "${header}"
               "Win32 belongs to controls/native/win32/ and the *_win32 files of platform/ and cli/")
      elseif(inner MATCHES "${header_library}" AND NOT folder STREQUAL "cli")
        refuse("${path}" "${header}" "the header libraries are the command line's")
      endif()
    else()
      string(REGEX MATCH "^[^/]+/" included "${inner}")
      string(REGEX REPLACE "/$" "" included "${included}")
      if(NOT included IN_LIST may_include_${folder})
        list(JOIN may_include_${folder} "/, " allowed)
        refuse("${path}" "${header}" "${folder}/ includes from ${allowed}/ only")
      elseif(inner MATCHES "^controls/native/" AND NOT folder STREQUAL "controls")
        refuse("${path}" "${header}" "only the control layer includes its back ends' seam")
      endif()
    endif()
  endforeach()
  set(refusals "${refusals}" PARENT_SCOPE)
endfunction()

foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
  foreach(file IN LISTS sources)
    check_file("${file}")
  endforeach()
endforeach()

if(refusals)
  message(FATAL_ERROR "Includes across the layers' boundaries:\n${refusals}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
