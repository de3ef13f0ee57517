# Runs launch_window on test_window with the given arguments and checks that
# it fails the program: exit status 1 and REASON in what it printed. A
# launcher that let the program pass, or failed it for another reason, fails
# this test.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(
  COMMAND ${EMULATOR} ${LAUNCHER} --title "Test window" --timeout 3 ${PROGRAM} ${arguments}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE result)
if(NOT result STREQUAL "1")
  message(FATAL_ERROR "launch_window exited with ${result}, expected 1; printed [${out}${err}]")
endif()
string(FIND "${out}${err}" "${REASON}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "launch_window printed [${out}${err}], which lacks [${REASON}]")
endif()
