# Natively the distribution's GoogleTest package is used; the cross builds
# (the 32-bit Linux one too) compile GoogleTest from the distribution's
# sources with their own compiler and flags.
if(CMAKE_CROSSCOMPILING)
  set(KELVO_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KELVO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

include(GoogleTest)

# Registers one test executable. Natively every test case becomes a CTest
# test; under Wine each start costs about a second (and under qemu-i386 a
# fraction), so the whole executable is one CTest test there. Tests that open windows share one resource lock, since
# they share one display.
function(kelvo_add_test name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    # A program that hangs under Wine fails instead of holding the run.
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    if(ARG_WINDOWS)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()

# Runs the tests of `name` that `filter` selects once more under code page
# 932, whose characters take one or two bytes, in a Japanese locale made
# for the run (Wine takes its code page from the locale).
function(kelvo_add_code_page_932_run name filter)
  if(NOT CMAKE_CROSSCOMPILING)
    return()
  endif()
  set(locales ${CMAKE_BINARY_DIR}/locale)
  if(NOT EXISTS ${locales}/ja_JP.UTF-8)
    file(MAKE_DIRECTORY ${locales})
    execute_process(COMMAND localedef -i ja_JP -f UTF-8 ${locales}/ja_JP.UTF-8 OUTPUT_QUIET ERROR_QUIET)
  endif()
  add_test(NAME ${name}_code_page_932 COMMAND ${name} --gtest_filter=${filter})
  # The tests fail rather than skip when the run does not get the code page.
  set_tests_properties(${name}_code_page_932 PROPERTIES TIMEOUT 600 RESOURCE_LOCK display
    ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8;LOCPATH=${locales};KELVO_CODE_PAGE_932=1")
endfunction()
