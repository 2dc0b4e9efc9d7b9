# Runs the demo offscreen on two selected paints and checks that it wrote the screenshot and
# listed the editor's rows: the properties both share, without the hidden bookkeeping ones.
# Expects DEMO (the executable) and SCREENSHOT (the PNG to write).

file(REMOVE "${SCREENSHOT}")
execute_process(
    COMMAND "${DEMO}" --select "Racing Red,Midnight Blue" --list-rows --screenshot "${SCREENSHOT}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "zkDemo exited with ${result}:\n${errors}")
endif()
if(errors MATCHES "no object named")
    message(FATAL_ERROR "zkDemo did not find the selected objects:\n${errors}")
endif()

if(NOT EXISTS "${SCREENSHOT}")
    message(FATAL_ERROR "zkDemo wrote no screenshot to ${SCREENSHOT}")
endif()
file(READ "${SCREENSHOT}" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${SCREENSHOT} is not a PNG file")
endif()

foreach(row name baseColor)
    if(NOT output MATCHES "(^|\n)${row}\t")
        message(FATAL_ERROR "zkDemo listed no row '${row}':\n${output}")
    endif()
endforeach()
foreach(row null visible objectId typeId)
    if(output MATCHES "(^|\n)${row}\t")
        message(FATAL_ERROR "zkDemo listed the hidden row '${row}':\n${output}")
    endif()
endforeach()
