# SPDX-License-Identifier: MIT
# TobrikCalculator --export-pdf as a user runs it, with no display: a document made by vyxcalc
# becomes a PDF that pdftotext reads back; a missing document, an unwritable output and a
# missing document argument fail with their exit codes.
# Needs APP (the program), VYXCALC (the command-line calculator), PDFTOTEXT and WORK (a folder).

set(failures 0)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# check(NAME CONDITION...): one more check; the condition as if() takes it.
macro(check name)
  if(${ARGN})
    message("ok   ${name}")
  else()
    message("FAIL ${name}\n  exit: ${rc}\n  stderr: ${err}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

# export(ARGS...): runs the program without any display; sets rc, out and err.
macro(export)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
      --unset=QT_QPA_PLATFORM -- "${APP}" ${ARGN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
endmacro()

# A document of several pages with two variables, written by the command-line calculator.
set(doc "${WORK}/ledger.vyx")
set(input "rate=7\nbonus=rate*2\n")
foreach(i RANGE 1 90)
  string(APPEND input "${i}*3\n")
endforeach()
file(WRITE "${WORK}/input.txt" "${input}")
execute_process(COMMAND "${VYXCALC}" --file "${doc}" INPUT_FILE "${WORK}/input.txt"
  RESULT_VARIABLE made OUTPUT_QUIET ERROR_VARIABLE made_err)
if(NOT made EQUAL 0 OR NOT EXISTS "${doc}")
  message(FATAL_ERROR "vyxcalc could not write the document: ${made} ${made_err}")
endif()

set(pdf "${WORK}/ledger.pdf")
export(--export-pdf "${pdf}" "${doc}")
check(export_succeeds rc EQUAL 0 AND EXISTS "${pdf}")
execute_process(COMMAND "${PDFTOTEXT}" -enc UTF-8 "${pdf}" -
  RESULT_VARIABLE read OUTPUT_VARIABLE text)
check(pdf_is_readable read EQUAL 0)

# "page 1(n)" on the first page, "page n(n)" on the last, the path on every page.
string(REGEX MATCH "page 1\\(([0-9]+)\\)" first_footer "${text}")
set(pages "${CMAKE_MATCH_1}")
check(several_pages pages GREATER 1)
string(FIND "${text}" "page ${pages}(${pages})" last_footer)
check(last_page_footer NOT last_footer EQUAL -1)
string(REGEX MATCHALL "[^\n]*ledger\\.vyx" headers "${text}")
list(LENGTH headers header_count)
check(path_on_every_page header_count EQUAL pages)
set(header "")
if(headers)
  list(GET headers 0 header)
endif()
check(header_is_the_full_path header STREQUAL doc)
foreach(expected "90*3" "270" "VARIABLES:" "bonus=rate*2=14")
  string(FIND "${text}" "${expected}" at)
  string(MAKE_C_IDENTIFIER "${expected}" id)
  check(body_has_${id} NOT at EQUAL -1)
endforeach()

export(--export-pdf "${WORK}/absent.pdf" "${WORK}/absent.vyx")
check(missing_document_fails rc EQUAL 1 AND NOT EXISTS "${WORK}/absent.pdf")
string(FIND "${err}" "absent.vyx" named)
check(missing_document_is_named NOT named EQUAL -1)

export(--export-pdf "${WORK}/no/such/folder/out.pdf" "${doc}")
check(unwritable_output_fails rc EQUAL 1)
string(FIND "${err}" "could not be written" said)
check(unwritable_output_is_explained NOT said EQUAL -1)

export(--export-pdf "${WORK}/lonely.pdf")
check(document_argument_required rc EQUAL 2 AND NOT EXISTS "${WORK}/lonely.pdf")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} export check(s) failed")
endif()
