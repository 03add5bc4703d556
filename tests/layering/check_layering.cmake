# SPDX-License-Identifier: MIT
# Builds one layering probe and checks the outcome: "fail" wants the compiler to report that
# HEADER was not found (any other error is a broken probe, not a proof), "pass" a clean build.
# Usage: cmake -DBUILD_DIR=<build> -DTARGET=<probe> -DHEADER=<name> -DEXPECTED=fail|pass -P ...
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target "${TARGET}"
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(log "${out}${err}")
if(EXPECTED STREQUAL "pass")
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${TARGET} should compile:\n${log}")
  endif()
  return()
endif()
string(FIND "${log}" "${HEADER}" named)
if(code EQUAL 0)
  message(FATAL_ERROR "${TARGET} compiled: ${HEADER} is visible to a layer below its own")
elseif(named EQUAL -1 OR NOT log MATCHES "No such file or directory|file not found")
  message(FATAL_ERROR "${TARGET} failed for another reason than a missing ${HEADER}:\n${log}")
endif()
