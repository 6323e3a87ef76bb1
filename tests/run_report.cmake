# Runs the program once as its own process and hands what it wrote to report_check.
# -DPROGRAM=... -DCHECK=... -DSUITE=Report|WriteFailure -DSTDOUT=file|full|closed -DWORK=dir
# [-DEMULATOR=wrapper], for programs built for another platform.
set(out "${WORK}/${SUITE}-${STDOUT}.out")
set(err "${WORK}/${SUITE}-${STDOUT}.err")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${out}" "")

if(STDOUT STREQUAL "file")
    set(command ${EMULATOR} "${PROGRAM}")
    set(to "${out}")
elseif(STDOUT STREQUAL "full")
    set(command ${EMULATOR} "${PROGRAM}")
    set(to /dev/full)
elseif(STDOUT STREQUAL "closed")
    set(command sh -c "exec \"$@\" >&-" sh ${EMULATOR} "${PROGRAM}")
    set(to "${out}")
else()
    message(FATAL_ERROR "STDOUT must be file, full or closed, not '${STDOUT}'")
endif()

execute_process(COMMAND ${command} OUTPUT_FILE "${to}" ERROR_FILE "${err}" RESULT_VARIABLE status
                TIMEOUT 120)
if(NOT status MATCHES "^[0-9]+$")
    message(FATAL_ERROR "the program did not finish: ${status}")
endif()

execute_process(COMMAND ${EMULATOR} "${CHECK}" "--gtest_filter=${SUITE}*"
                        "${out}" "${err}" "${status}"
                RESULT_VARIABLE check_status)
if(NOT check_status EQUAL 0)
    message(FATAL_ERROR "report_check failed (${check_status}) on the run with stdout ${STDOUT}")
endif()
