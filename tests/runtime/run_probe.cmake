# Runs a program (through the emulator, for the Windows builds) and checks its
# exit status and its standard output, line ends normalised. STATUS "failure"
# asks for an abnormal end (any status but 0) whose error output names
# FAILURE.
#   -DPROGRAM= -DEMULATOR= -DARGS=a;b -DSTATUS=n|failure -DEXPECTED=text -DFAILURE=text
separate_arguments(emulator NATIVE_COMMAND "${EMULATOR}")
execute_process(COMMAND ${emulator} ${PROGRAM} ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
string(REPLACE "\r\n" "\n" output "${output}")
if(STATUS STREQUAL "failure")
  if(status STREQUAL "0" OR NOT errors MATCHES "${FAILURE}")
    message(FATAL_ERROR "exit status ${status}, expected a failure naming ${FAILURE}\n${output}${errors}")
  endif()
elseif(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${output}${errors}")
endif()
if(NOT output STREQUAL EXPECTED)
  message(FATAL_ERROR "output:\n${output}\nexpected:\n${EXPECTED}")
endif()
