# Runs the demo with ARGS (a ;-list) and compares what it prints on standard output with the
# golden file GOLDEN, line by line. Expects DEMO, ARGS and GOLDEN.

cmake_policy(VERSION 3.16)

execute_process(
    COMMAND "${DEMO}" ${ARGS}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "zkDemo ${ARGS} exited with ${result}:\n${errors}")
endif()
# The cached editor's report of its growth on each selection is no part of the dump.
string(REGEX REPLACE "zkCachedPropertyEditorWidget: cache size [0-9]+\n" "" output "${output}")
file(READ "${GOLDEN}" expected)
if(NOT output STREQUAL expected)
    string(REPLACE "\n" ";" outputLines "${output}")
    string(REPLACE "\n" ";" expectedLines "${expected}")
    list(LENGTH outputLines outputCount)
    list(LENGTH expectedLines expectedCount)
    set(line 0)
    while(line LESS outputCount AND line LESS expectedCount)
        list(GET outputLines ${line} got)
        list(GET expectedLines ${line} want)
        if(NOT got STREQUAL want)
            break()
        endif()
        math(EXPR line "${line} + 1")
    endwhile()
    math(EXPR shown "${line} + 1")
    set(got "(none)")
    set(want "(none)")
    if(line LESS outputCount)
        list(GET outputLines ${line} got)
    endif()
    if(line LESS expectedCount)
        list(GET expectedLines ${line} want)
    endif()
    message(FATAL_ERROR "zkDemo ${ARGS} differs from ${GOLDEN} at line ${shown}:\n"
        "  expected: ${want}\n  printed:  ${got}")
endif()
