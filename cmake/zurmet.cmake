# Helpers shared by every folder's CMakeLists.txt, so a new module or test
# suite is one call.

# Compiler settings every target of ours gets; third-party code does not.
# They are C++ options only: a target may also hold a resource script, and
# the resource compiler knows none of them.
function(zurmet_target_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set(options -Wall -Wextra)
  # GCC 12 at -O3 reports plain std::string assignments (s = "0") as
  # overlapping copies inside libstdc++ (GCC bug 105651): a false alarm.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND options -Wno-restrict)
  endif()
  if(ZURMET_WERROR)
    list(APPEND options -Werror)
  endif()
  # One section per function and per object lets the linker of a Windows
  # program drop what it never calls (see zurmet_link_small). Release's -O3
  # made the engine 2 to 4% faster than -O2 (bench/convert_bench) and
  # zurmet.exe 36 KB larger; the native builds use -O2 as well.
  if(MINGW)
    list(APPEND options -ffunction-sections -fdata-sections $<$<CONFIG:Release>:-O2>)
  endif()
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${options}>")
endfunction()

# zurmet_link_small(<target>)
# Links a Windows program without the functions and data nothing reaches
# and, in Release, without its symbol table: the program ships as one
# statically linked file, so every kilobyte is the user's.
function(zurmet_link_small target)
  if(MINGW)
    target_link_options(${target} PRIVATE -Wl,--gc-sections $<$<CONFIG:Release>:-s>)
  endif()
endfunction()

# zurmet_optimize_for_size(<target>...)
# Compiles code that only ever waits on the user (the windows and the
# control layer) for size: the Windows build links it into one file, and
# natively every page of it counts towards the window's memory at start.
# Not the engine: -Os halves its speed (bench/convert_bench).
function(zurmet_optimize_for_size)
  foreach(target IN LISTS ARGV)
    target_compile_options(${target}
                           PRIVATE $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<NOT:$<CONFIG:Debug>>>:-Os>)
  endforeach()
endfunction()

# zurmet_module_root(<folder> <variable>)
# An include root that holds one folder of the repository and nothing else:
# <build>/include/<folder>/<folder> links to the folder, so that
# "<folder>/x.h" is found there and no other folder's header is. A library
# hands out its folder's root, so a target sees the headers of what it links
# and of nothing above or beside it.
function(zurmet_module_root folder variable)
  set(root "${PROJECT_BINARY_DIR}/include/${folder}")
  if(NOT IS_SYMLINK "${root}/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  endif()
  set(${variable} "${root}" PARENT_SCOPE)
endfunction()

# zurmet_add_library(<name> <sources>... [LIBS <libs>...])
# A static library of the folder it is declared in; its headers are included
# by the folder's name ("decimal/bignum.h"), through the folder's own root.
# The libraries of tests/ hand out the whole repository, as tests may
# include anything.
function(zurmet_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBS")
  add_library(${name} STATIC ${arg_UNPARSED_ARGUMENTS})
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  if(folder MATCHES "^tests/")
    set(root "${PROJECT_SOURCE_DIR}")
  else()
    zurmet_module_root("${folder}" root)
  endif()
  target_include_directories(${name} PUBLIC "${root}")
  target_link_libraries(${name} PUBLIC ${arg_LIBS})
  zurmet_target_defaults(${name})
  if(TARGET zurmet_include_rules)
    add_dependencies(${name} zurmet_include_rules)
  endif()
endfunction()

# zurmet_add_test(<name> <sources>... [LIBS <libs>...] [ENVIRONMENT <VAR=value>...])
# A GoogleTest executable. Natively every test case becomes its own CTest
# test. In the Windows cross build the whole executable is one CTest test run
# through CMAKE_CROSSCOMPILING_EMULATOR (Wine): starting Wine once per case,
# or listing the cases at build time, would cost far more than the tests.
# ENVIRONMENT is set for every test of the executable.
function(zurmet_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBS;ENVIRONMENT")
  if(NOT arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zurmet_add_test(${name}): no source files")
  endif()
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main)
  zurmet_target_defaults(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
    if(arg_ENVIRONMENT)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
  else()
    include(GoogleTest)
    # Sanitizer builds start slower than the five seconds allowed by default.
    # Parameter values stay out of test names: a struct prints as raw bytes,
    # pointers included, and long operands would make unreadable names.
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
    if(arg_ENVIRONMENT)
      # gtest_discover_tests would split a list-valued property into
      # separate arguments, so the environment goes on from a script that
      # CTest reads after the discovered tests.
      set(script "${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake")
      file(CONFIGURE OUTPUT "${script}" CONTENT [[
if(@name@_TESTS)
  set_tests_properties(${@name@_TESTS} PROPERTIES ENVIRONMENT [==[@arg_ENVIRONMENT@]==])
endif()
]] @ONLY)
      set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${script}")
    endif()
  endif()
endfunction()

# zurmet_glob_sources(<var> <folder>)
# Every .cpp of the folder except the other back end's (*_win32.cpp,
# *_win32_test.cpp or *_qt.cpp, *_qt_test.cpp, see ZURMET_BACK_END); new
# files are picked up on the next build.
function(zurmet_glob_sources var folder)
  file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  if(ZURMET_BACK_END STREQUAL "win32")
    list(FILTER sources EXCLUDE REGEX "_qt(_test)?\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32(_test)?\\.cpp$")
  endif()
  set(${var} "${sources}" PARENT_SCOPE)
endfunction()

# zurmet_add_qt_icon(<target>)
# The program icon as the Qt resources ":/MAINICON/<size>.png", under the name
# the resource script gives it on Windows and the one the Qt back end's
# LoadMainIcon loads: the PNGs of every size in ui/resources/icons/, which Qt
# reads without loading an image plug-in.
function(zurmet_add_qt_icon target)
  file(GLOB icons "${PROJECT_SOURCE_DIR}/ui/resources/icons/zurmet-*.png")
  foreach(icon IN LISTS icons)
    string(REGEX REPLACE "^.*zurmet-([0-9]+)[.]png$" "\\1.png" alias "${icon}")
    set_source_files_properties("${icon}" PROPERTIES QT_RESOURCE_ALIAS "${alias}")
  endforeach()
  # Uncompressed: a few KB, and no decompressor to load at start.
  qt_add_resources(${target} "icon" PREFIX "/MAINICON" FILES ${icons} OPTIONS --no-compress)
endfunction()

# zurmet_add_benchmark(<name> <sources>... [LIBS <libs>...])
function(zurmet_add_benchmark name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBS")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} benchmark::benchmark)
  zurmet_target_defaults(${name})
endfunction()

# Instruments all code for libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer; only fuzz targets link the fuzzer's main.
macro(zurmet_enable_fuzzing)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZURMET_FUZZ needs clang (libFuzzer); "
                        "configure with -DCMAKE_CXX_COMPILER=clang++ or the fuzz preset")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endmacro()

# zurmet_add_fuzzer(<name> <sources>... [LIBS <libs>...])
function(zurmet_add_fuzzer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBS")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  zurmet_target_defaults(${name})
endfunction()
