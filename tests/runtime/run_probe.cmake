# Runs a program (through the emulator, for the Windows builds) and checks its
# exit status and its standard output, line ends normalised.
#   -DPROGRAM= -DEMULATOR= -DARGS=a;b -DSTATUS=n -DEXPECTED=text
separate_arguments(emulator NATIVE_COMMAND "${EMULATOR}")
execute_process(COMMAND ${emulator} ${PROGRAM} ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE output)
string(REPLACE "\r\n" "\n" output "${output}")
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${output}")
endif()
if(NOT output STREQUAL EXPECTED)
  message(FATAL_ERROR "output:\n${output}\nexpected:\n${EXPECTED}")
endif()
