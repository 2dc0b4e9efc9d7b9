# Runs the demo offscreen on two selected paints and checks that it wrote the screenshot and
# listed the editor's rows: the properties both share, without the hidden ones.
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

foreach(row paintType baseColor primaryFlakeLayer clearcoat)
    if(NOT output MATCHES "(^|\n)${row}\t")
        message(FATAL_ERROR "zkDemo listed no row '${row}':\n${output}")
    endif()
endforeach()
foreach(row name tags null visible objectId typeId)
    if(output MATCHES "(^|\n)${row}\t")
        message(FATAL_ERROR "zkDemo listed the hidden row '${row}':\n${output}")
    endif()
endforeach()

# The two paints' editor nests the editors of their clearcoats and flake layers, and tints the
# values they do not share.
execute_process(
    COMMAND "${DEMO}" --select "Racing Red,Midnight Blue" --dump-layout
    RESULT_VARIABLE result
    OUTPUT_VARIABLE layout
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "zkDemo --dump-layout exited with ${result}:\n${errors}")
endif()
foreach(nested clearcoat primaryFlakeLayer secondaryFlakeLayer)
    if(NOT layout MATCHES "(^|\n)row\t${nested}/[^\t]+\t")
        message(FATAL_ERROR "zkDemo nested no editor for '${nested}':\n${layout}")
    endif()
endforeach()
if(NOT layout MATCHES "\tmixed\n")
    message(FATAL_ERROR "zkDemo showed no mixed value for two different paints:\n${layout}")
endif()
# Every property, nested ones included, has a control.
if(layout MATCHES "No editor registered")
    message(FATAL_ERROR "zkDemo has properties without a control:\n${layout}")
endif()
