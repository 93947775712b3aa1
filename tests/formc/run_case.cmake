# Runs kvf on one golden case and compares the whole run with the case's
# expected results: the console transcript, the exit status and every file the
# run created or changed. A mismatch prints a unified diff.
#
#   -DKVF=program -DEMULATOR=wine-or-empty -DCASE=case-dir -DWORK=scratch-dir
#
# A case directory holds:
#   args           one command-line argument per line (may be empty)
#   input/         files placed in the working directory before the run
#   input-from     instead of input/: a directory, relative to the source
#                  tree, whose files are the input
#   kvf.evt        an event table to run with instead of the shipped one
#   no-evt         run a copy of kvf that has no event table beside it
#   by-name        start kvf by its bare name, found through the search path
#   expected/      stdout, status and the files the run creates or changes
#
# The scratch directory is removed after a passing run unless the environment
# variable KELVO_KEEP_OUTPUT is set; after a failure it is always kept.
cmake_policy(SET CMP0057 NEW)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/run" "${WORK}/actual")

set(input_dir "${CASE}/input")
if(EXISTS "${CASE}/input-from")
  file(STRINGS "${CASE}/input-from" relative LIMIT_COUNT 1)
  get_filename_component(input_dir "${CASE}/../../../../${relative}" ABSOLUTE)
endif()
set(inputs "")
if(IS_DIRECTORY "${input_dir}")
  file(GLOB inputs RELATIVE "${input_dir}" LIST_DIRECTORIES true "${input_dir}/*")
  foreach(name IN LISTS inputs)
    file(COPY "${input_dir}/${name}" DESTINATION "${WORK}/run")
  endforeach()
endif()

# A private copy of the program when the case needs its own event table.
set(program "${KVF}")
if(EXISTS "${CASE}/kvf.evt" OR EXISTS "${CASE}/no-evt")
  file(MAKE_DIRECTORY "${WORK}/bin")
  file(COPY "${KVF}" DESTINATION "${WORK}/bin")
  get_filename_component(program_name "${KVF}" NAME)
  set(program "${WORK}/bin/${program_name}")
  if(EXISTS "${CASE}/kvf.evt")
    file(COPY "${CASE}/kvf.evt" DESTINATION "${WORK}/bin")
  endif()
endif()

if(EXISTS "${CASE}/by-name")
  get_filename_component(program_dir "${program}" DIRECTORY)
  get_filename_component(program "${program}" NAME)
  set(ENV{PATH} "${program_dir}:$ENV{PATH}")
  set(ENV{WINEPATH} "${program_dir}")
endif()

set(args "")
if(EXISTS "${CASE}/args")
  file(STRINGS "${CASE}/args" args)
endif()

separate_arguments(emulator NATIVE_COMMAND "${EMULATOR}")
execute_process(COMMAND ${emulator} ${program} ${args}
                WORKING_DIRECTORY "${WORK}/run"
                OUTPUT_FILE "${WORK}/actual/stdout"
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
file(WRITE "${WORK}/actual/status" "${status}\n")

# Every file the run created or changed; the rest is input as it was.
file(GLOB after RELATIVE "${WORK}/run" LIST_DIRECTORIES false "${WORK}/run/*")
foreach(name IN LISTS after)
  if(IS_SYMLINK "${WORK}/run/${name}" OR IS_DIRECTORY "${WORK}/run/${name}")
    continue()
  endif()
  if(name IN_LIST inputs)
    file(SHA256 "${WORK}/run/${name}" now)
    file(SHA256 "${input_dir}/${name}" before)
    if(now STREQUAL before)
      continue()
    endif()
  endif()
  file(COPY "${WORK}/run/${name}" DESTINATION "${WORK}/actual")
endforeach()

execute_process(COMMAND diff -ru "${CASE}/expected" "${WORK}/actual"
                RESULT_VARIABLE different OUTPUT_VARIABLE differences)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "The run differs from the expected one (kept in ${WORK}):\n${differences}\n"
                      "Standard error:\n${errors}")
endif()
if(NOT DEFINED ENV{KELVO_KEEP_OUTPUT})
  file(REMOVE_RECURSE "${WORK}")
endif()
