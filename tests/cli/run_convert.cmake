# Runs zurmet-convert (under the emulator when cross-compiled) and checks
# the exit status of each outcome and the exact bytes printed, UTF-8 and
# line end included.
# expect_run(STATUS OUTPUT ERROR_PART INPUT PROGRAM ARGS...); INPUT is the
# text given on standard input.
function(expect_in_stderr err error_part what)
  string(FIND "${err}" "${error_part}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${what}: stderr [${err}] lacks [${error_part}]")
  endif()
endfunction()

function(expect_run status output error_part input program)
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/run_convert_input.txt" "${input}")
  execute_process(
    COMMAND ${EMULATOR} ${program} ${ARGN}
    INPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/run_convert_input.txt"
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE result)
  if(NOT result STREQUAL status)
    message(FATAL_ERROR "${ARGN}: exit status ${result}, expected ${status}; stderr: ${err}")
  endif()
  if(NOT out STREQUAL output)
    message(FATAL_ERROR "${ARGN}: printed [${out}], expected [${output}]")
  endif()
  expect_in_stderr("${err}" "${error_part}" "${ARGN}")
endfunction()

expect_run(0 "75.195 g/m²\n" "" "" ${PROGRAM} 20 "bond (17x22)" to "g/m²")
expect_run(0 "1000 µm\n" "" "" ${PROGRAM} 1 mm to "µm")
expect_run(0 "180.34 cm\n" "" "" ${PROGRAM} "5'11\"" to cm)
expect_run(0 "-40 C\n" "" "" ${PROGRAM} -- -40 F to C --places 30)
expect_run(1 "Error\n" "no US unit suits" "" ${PROGRAM} --us 0 in)
# Typographic marks and vulgar fractions as real arguments: on Windows
# through the wide command line.
expect_run(0 "187.96 cm\n" "" "" ${PROGRAM} "6’2”" to cm)
expect_run(0 "118.294 ml\n" "" "" ${PROGRAM} "½" cup to ml)
expect_run(0 "38.1 mm\n" "" "" ${PROGRAM} "1½" in to mm)
# Angles, microseconds and the foot-pound's dot, in and out.
expect_run(0 "0.794 rad\n" "" "" ${PROGRAM} "45°30′" 15″ to rad)
expect_run(0 "57°  17′  44.806″\n" "" "" ${PROGRAM} 1 rad to deg arcmin arcsec)
expect_run(0 "1000 ns\n" "" "" ${PROGRAM} 1 µs to ns)
expect_run(0 "1.356 J\n" "" "" ${PROGRAM} 1 ft·lbf to J)
expect_run(2 "" "0 has none" "" ${PROGRAM} 0 mpg to L/100km)
expect_run(0 "1 km\n" "" "" ${PROGRAM} --decimal-symbol . "1,000" m to km)
expect_run(2 "" "is 1000 where ',' groups thousands" "" ${PROGRAM} "1,000" m to km)
expect_run(2 "" "'mg' is a weight" "" ${PROGRAM} 1 mg to ml)
expect_run(2 "{\"result\":\"8 ft  4 in\"}\n{\"error\":\"not a JSON value\"}\n{\"result\":\"1.6 m\"}\n" "" [[
{"category":1,"values":["100","",""],"from":[2,0,0],"to":[3,2,0]}
nonsense
{"values":["1","2","3"],"from":["yd","ft","in"],"to":["m"]}
]] ${PROGRAM} --batch)

# A full disk and an unreadable standard input end with a message and
# status 3.
function(expect_failed_stream error_part)
  execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGN}
                  ERROR_VARIABLE err RESULT_VARIABLE result ${stream_redirect})
  if(NOT result STREQUAL 3)
    message(FATAL_ERROR "${ARGN}: exit status ${result}, expected 3; stderr: ${err}")
  endif()
  expect_in_stderr("${err}" "${error_part}" "${ARGN}")
endfunction()
if(EXISTS /dev/full)
  set(stream_redirect INPUT_FILE "${CMAKE_CURRENT_LIST_FILE}" OUTPUT_FILE /dev/full)
  expect_failed_stream("cannot write to standard output" 1 m to ft)
  expect_failed_stream("cannot write to standard output" --batch)
endif()
set(stream_redirect INPUT_FILE "${CMAKE_CURRENT_LIST_DIR}" OUTPUT_QUIET)
expect_failed_stream("cannot read standard input" --batch)
expect_run(0 "{\"result\":\"3.75\"}\n{\"error\":\"not a JSON value\"}\n" "" [[
{"op":"BigAdd","a":"1.5","b":"2.25","skipCheck":false}
{
]] ${PROBE})
