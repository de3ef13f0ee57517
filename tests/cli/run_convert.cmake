# Runs zurmet-convert (under the emulator when cross-compiled) and checks
# the exit status of each outcome and the exact bytes printed, UTF-8 and
# line end included.
# expect_run(STATUS OUTPUT ERROR_PART INPUT PROGRAM ARGS...); INPUT is the
# text given on standard input.
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
  string(FIND "${err}" "${error_part}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${ARGN}: stderr [${err}] lacks [${error_part}]")
  endif()
endfunction()

expect_run(0 "75.195 g/m²\n" "" "" ${PROGRAM} 20 "bond (17x22)" to "g/m²")
expect_run(0 "1,000 µm\n" "" "" ${PROGRAM} 1 mm to "µm")
expect_run(1 "Error\n" "no US unit suits" "" ${PROGRAM} --us 0 in)
expect_run(2 "" "ounces (troy, ap)" "" ${PROGRAM} 1 oz to g)
expect_run(2 "{\"result\":\"8 ft  4 in\"}\n{\"error\":\"not a JSON value\"}\n" "" [[
{"category":1,"values":["100","",""],"from":[2,0,0],"to":[3,2,0]}
nonsense
]] ${PROGRAM} --batch)
expect_run(0 "{\"result\":\"3.75\"}\n{\"error\":\"not a JSON value\"}\n" "" [[
{"op":"BigAdd","a":"1.5","b":"2.25","skipCheck":false}
{
]] ${PROBE})
