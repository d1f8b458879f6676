# Runs tolm-replay on SCRIPT and compares its standard output with EXPECTED.
# When ERROR names a file, the run must fail with exit code 2 and that exact
# standard error; otherwise it must succeed. With STDIN set, the script comes
# through standard input.
if(STDIN)
  execute_process(COMMAND ${REPLAY} INPUT_FILE ${SCRIPT}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)
else()
  execute_process(COMMAND ${REPLAY} ${SCRIPT}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)
endif()

set(expected_code 0)
set(expected_err "")
if(ERROR)
  set(expected_code 2)
  file(READ ${ERROR} expected_err)
endif()
file(READ ${EXPECTED} expected_out)

if(NOT code EQUAL expected_code)
  message(FATAL_ERROR "exit code ${code}, expected ${expected_code}; stderr: ${err}")
endif()
if(NOT err STREQUAL expected_err)
  message(FATAL_ERROR "stderr differs:\n${err}\nexpected:\n${expected_err}")
endif()
if(NOT out STREQUAL expected_out)
  get_filename_component(name ${EXPECTED} NAME_WE)
  file(WRITE ${name}.actual "${out}")
  message(FATAL_ERROR "trace differs from ${EXPECTED}; the actual trace is in "
                      "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
endif()
