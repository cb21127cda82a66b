# Runs one end-to-end scenario: a folder with numbered steps 1.script, 2.script, ... Each step
# runs refhost in one fresh host folder (so later steps see what earlier ones left) and compares
# its standard output with N.expected, its errors with N.errors (none when that file is absent)
# and its exit status with N.status (0 when absent). A folder "home" in the scenario is copied
# into the host folder first; files under "home.expected" must match the host folder at the end.
#
# Variables: REFHOST, PLUGINS, SCENARIO (folder), WORK (a scratch folder for the host).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${SCENARIO}/home)
  file(COPY ${SCENARIO}/home/ DESTINATION ${WORK})
endif()

set(failures "")
foreach(step RANGE 1 20)
  if(NOT EXISTS ${SCENARIO}/${step}.script)
    break()
  endif()
  execute_process(
    COMMAND ${REFHOST} --home ${WORK} --plugins ${PLUGINS} ${step}.script
    WORKING_DIRECTORY ${SCENARIO}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(expected_status 0)
  if(EXISTS ${SCENARIO}/${step}.status)
    file(STRINGS ${SCENARIO}/${step}.status expected_status LIMIT_COUNT 1)
  endif()
  file(READ ${SCENARIO}/${step}.expected expected_out)
  set(expected_err "")
  if(EXISTS ${SCENARIO}/${step}.errors)
    file(READ ${SCENARIO}/${step}.errors expected_err)
  endif()
  if(NOT "${status}" STREQUAL "${expected_status}")
    string(APPEND failures "step ${step}: exit status ${status}, expected ${expected_status}\n")
  endif()
  if(NOT "${out}" STREQUAL "${expected_out}")
    file(WRITE ${WORK}/${step}.actual "${out}")
    string(APPEND failures "step ${step}: output differs:\n--- expected\n${expected_out}--- actual\n${out}")
  endif()
  if(NOT "${err}" STREQUAL "${expected_err}")
    string(APPEND failures "step ${step}: errors differ:\n--- expected\n${expected_err}--- actual\n${err}")
  endif()
endforeach()

if(EXISTS ${SCENARIO}/home.expected)
  file(GLOB_RECURSE expected_files RELATIVE ${SCENARIO}/home.expected ${SCENARIO}/home.expected/*)
  foreach(f ${expected_files})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCENARIO}/home.expected/${f} ${WORK}/${f}
                    RESULT_VARIABLE differs)
    if(differs)
      string(APPEND failures "host folder: ${f} differs from the expected file\n")
    endif()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
