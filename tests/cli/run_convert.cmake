# Runs zurmet-convert once (under the emulator when cross-compiled) and
# checks its exit status and the bytes it prints, UTF-8 and line end included.
execute_process(
  COMMAND ${EMULATOR} ${PROGRAM} 20 "bond (17x22)" to "g/m²"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, stderr: ${errors}")
endif()
if(NOT output STREQUAL "75.195 g/m²\n")
  message(FATAL_ERROR "unexpected output: [${output}]")
endif()
