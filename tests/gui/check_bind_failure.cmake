# Runs the bind failure probe and checks its status and standard error.
#   -DPROGRAM= -DEMULATOR= -DMODE= -DEXPECTED=
separate_arguments(emulator NATIVE_COMMAND "${EMULATOR}")
execute_process(COMMAND ${emulator} ${PROGRAM} ${MODE}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
string(REPLACE "\r\n" "\n" errors "${errors}")
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1\n${output}${errors}")
endif()
if(NOT errors STREQUAL "${EXPECTED}\n")
  message(FATAL_ERROR "standard error:\n${errors}\nexpected:\n${EXPECTED}")
endif()
if(NOT output STREQUAL "")
  message(FATAL_ERROR "the program went on after the failed binding:\n${output}")
endif()
