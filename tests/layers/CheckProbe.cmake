# Builds one layer probe. A forbidden header must stop its compilation, whatever the compiler
# and the language of its messages: the build fails and the diagnostic names the header. An
# allowed header must compile.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(EXPECT STREQUAL "allowed")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${TARGET} does not compile, though its layer may use ${HEADER}:\n${output}")
  endif()
  return()
endif()
if(status EQUAL 0)
  message(FATAL_ERROR "${TARGET} compiled: its layer reaches ${HEADER}")
endif()
string(FIND "${output}" "${HEADER}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${TARGET} failed for another reason than ${HEADER}:\n${output}")
endif()
message(STATUS "${TARGET} cannot include ${HEADER}, as it should")
