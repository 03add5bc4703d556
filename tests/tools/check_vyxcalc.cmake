# SPDX-License-Identifier: MIT
# Runs the vyxcalc binary on small command lines and compares exit code, stdout and stderr.
# Usage: cmake -DVYXCALC=<path to vyxcalc> [-DVYX_TEST_DATA_DIR=<tests/data>] -P check_vyxcalc.cmake
# Without VYX_TEST_DATA_DIR the document mode is not checked (a build without Qt has none).
if(NOT VYXCALC)
  message(FATAL_ERROR "pass -DVYXCALC=<path to the vyxcalc binary>")
endif()

set(failures 0)
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/vyxcalc_check_input.txt")

# run_case(NAME ARGS a b .. [STDIN text] [EXIT code] [STDOUT text | STDOUT_PART text | NO_STDOUT]
#          [STDERR_PART text])
# Without STDERR_PART, stderr must be empty. The output is left in last_stdout for further checks.
function(run_case name)
  cmake_parse_arguments(C "NO_STDOUT" "STDIN;EXIT;STDOUT;STDOUT_PART;STDERR_PART" "ARGS" ${ARGN})
  if(NOT DEFINED C_EXIT)
    set(C_EXIT 0)
  endif()
  # Standard input is always a file, so a case never waits on the terminal.
  file(WRITE "${scratch}" "${C_STDIN}")
  execute_process(COMMAND "${VYXCALC}" ${C_ARGS}
    INPUT_FILE "${scratch}"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code
    TIMEOUT 60)
  set(last_stdout "${out}" PARENT_SCOPE)
  set(problems "")
  if(NOT code STREQUAL C_EXIT)
    string(APPEND problems "  exit code ${code}, expected ${C_EXIT}\n")
  endif()
  if(DEFINED C_STDOUT AND NOT out STREQUAL C_STDOUT)
    string(APPEND problems "  stdout differs\n  expected: [${C_STDOUT}]\n  actual:   [${out}]\n")
  endif()
  if(DEFINED C_STDOUT_PART)
    string(FIND "${out}" "${C_STDOUT_PART}" at)
    if(at EQUAL -1)
      string(APPEND problems "  stdout lacks [${C_STDOUT_PART}]:\n[${out}]\n")
    endif()
  endif()
  if(C_NO_STDOUT AND NOT out STREQUAL "")
    string(APPEND problems "  stdout should be empty:\n[${out}]\n")
  endif()
  if(DEFINED C_STDERR_PART)
    string(FIND "${err}" "${C_STDERR_PART}" at)
    if(at EQUAL -1)
      string(APPEND problems "  stderr lacks [${C_STDERR_PART}]:\n[${err}]\n")
    endif()
  elseif(NOT err STREQUAL "")
    string(APPEND problems "  unexpected stderr:\n[${err}]\n")
  endif()
  if(problems)
    message("FAIL ${name}\n${problems}")
    math(EXPR n "${failures} + 1")
    set(failures ${n} PARENT_SCOPE)
  else()
    message("ok   ${name}")
  endif()
endfunction()

run_case(stdin_lines_with_carriage_returns
  ARGS --engine
  STDIN "1/2+1/(2+3+1/7)\r\n2+3*4\r\n5+\r\n2+3)\r\n1,5*2"
  STDOUT "25/36\n14\n//SYNTAX ERROR!!\n//ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=0\nNUMBER OF RIGHTBRACES=1\n\n3\n")

# Arguments win over standard input, options may follow them, and "--" lets "--3" through.
run_case(arguments_with_settings
  ARGS --angle deg SIN90 --engine --decimals=3 SIN45 -2^2 -- --3
  STDIN "7\n"
  STDOUT "1\n0.707\n-4\n3\n")

run_case(empty_input ARGS --engine NO_STDOUT)

run_case(help ARGS --help EXIT 0 STDOUT_PART "Usage: vyxcalc [--file DOC.vyx]")

run_case(decimals_out_of_range ARGS --engine --decimals 11 1+1
  EXIT 2 NO_STDOUT STDERR_PART "--decimals must be an integer from 1 to 10")

run_case(angle_without_value ARGS --engine --angle
  EXIT 2 NO_STDOUT STDERR_PART "option --angle needs a value")

run_case(unknown_option ARGS --engine --verbose 1+1
  EXIT 2 NO_STDOUT STDERR_PART "Usage: vyxcalc")

run_case(document_option_in_engine_mode ARGS --engine --display real 1+1
  EXIT 2 NO_STDOUT STDERR_PART "--display is not used with --engine")

if(VYX_TEST_DATA_DIR)
  include("${CMAKE_CURRENT_LIST_DIR}/check_vyxcalc_document.cmake")
endif()

file(REMOVE "${scratch}")
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} vyxcalc case(s) failed")
endif()
