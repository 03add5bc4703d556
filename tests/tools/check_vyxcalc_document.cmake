# SPDX-License-Identifier: MIT
# Document-mode cases of vyxcalc, included by check_vyxcalc.cmake (uses its run_case and counter).
# Needs VYX_TEST_DATA_DIR for the document saved by the desktop program with a window placement.

set(work "${CMAKE_CURRENT_BINARY_DIR}/vyxcalc_documents")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

# expect_equal(NAME ACTUAL EXPECTED): one more check on a case's results.
function(expect_equal name actual expected)
  if(actual STREQUAL expected)
    message("ok   ${name}")
  else()
    message("FAIL ${name}\n  expected: [${expected}]\n  actual:   [${actual}]")
    math(EXPR n "${failures} + 1")
    set(failures ${n} PARENT_SCOPE)
  endif()
endfunction()

# dump_value(OUT [LENGTH] PATH...): a value (or with LENGTH the member count) of the --dump object
# in last_stdout, after the results.
function(dump_value out)
  string(FIND "${last_stdout}" "{\n  \"text\"" at)
  if(at EQUAL -1)
    set(${out} "<no dump>" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${last_stdout}" ${at} -1 json)
  set(mode GET)
  set(path ${ARGN})
  if(ARGV1 STREQUAL "LENGTH")
    set(mode LENGTH)
    list(REMOVE_AT path 0)
  endif()
  string(JSON value ERROR_VARIABLE problem ${mode} "${json}" ${path})
  if(problem)
    set(value "<${problem}>")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# ---- a new file, then loaded again and appended to ----
set(doc "${work}/new.vyx")
# An empty line comes through standard input: an empty argument would vanish from ARGS.
run_case(document_new_file
  ARGS --file "${doc}"
  STDIN "x=2\nx/3\n//note\n\n"
  STDOUT "//Variable: x=2\n2/3 //≈0.666667\n\n\n")
if(EXISTS "${doc}")
  message("ok   document_new_file_written")
else()
  expect_equal(document_new_file_written "missing" "${doc}")
endif()

run_case(document_reload_append_dump
  ARGS --dump --file "${doc}"
  STDIN "x*3\r\n1/0\n"
  STDOUT_PART "6\n//ERRROR!! DIVISION BY ZERO!!\n{\n")
set(expected_text "x=2\r\n//Variable: x=2\r\nx/3\r\n2/3 //≈0.666667\r\n//note\r\n\r\nx*3\r\n6\r\n1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n")
dump_value(text text)
expect_equal(document_dump_text "${text}" "${expected_text}")
string(LENGTH "${expected_text}" text_bytes)
# Positions count UTF-16 units: the one "≈" is three bytes of UTF-8 but a single unit.
math(EXPR text_length "${text_bytes} - 2")
dump_value(sel_start selStart)
dump_value(sel_end selEnd)
expect_equal(document_dump_selection "${sel_start} ${sel_end}" "${text_length} ${text_length}")
dump_value(definition variables x definition)
dump_value(value variables x value)
expect_equal(document_dump_variable "${definition} ${value}" "2 2")
dump_value(counted calculations)
expect_equal(document_dump_counts_this_run_only "${counted}" "1")
dump_value(placement placement)
expect_equal(document_dump_new_file_has_no_placement "${placement}" "OFF")

# The dump holds exactly its keys, with the defaults of a new document.
run_case(document_dump_keys ARGS --dump)
dump_value(keys LENGTH)
expect_equal(document_dump_key_count "${keys}" "16")
set(defaults "")
foreach(key text selStart selEnd fontSize showReal showRational decimals angleUnit argument
    latinCaps greekCaps calculations)
  dump_value(value ${key})
  string(APPEND defaults "${key}=${value} ")
endforeach()
dump_value(converter_value converter value)
dump_value(to_unit converter toUnit)
dump_value(triangle_count LENGTH triangle values)
dump_value(second triangle secondSolution)
string(APPEND defaults "${converter_value} ${to_unit} ${triangle_count} ${second}")
expect_equal(document_dump_defaults "${defaults}"
  "text= selStart=0 selEnd=0 fontSize=12 showReal=1 showRational=1 decimals=6 angleUnit=102 argument=0 latinCaps=1 greekCaps=0 calculations=0 1.0 1 14 0")

# ---- options replace the loaded settings only where they are given ----
set(settings_doc "${work}/settings.vyx")
run_case(document_settings_saved
  ARGS --file "${settings_doc}" --decimals 3 --angle deg --display real --argument "1/3"
  STDOUT "0.333\n")
run_case(document_settings_kept
  ARGS --file "${settings_doc}" --dump "SIN30+1/3" "1+i"
  STDOUT_PART "0.833\n1+i ARGUMENT:45.000 Degrees\n{")
run_case(document_settings_overridden
  ARGS --file "${settings_doc}" --display both --decimals 4 "1/3"
  STDOUT "1/3 //≈0.3333\n")

# ---- message boxes on standard error, questions answered Yes ----
run_case(document_overwrite_question
  ARGS "x=1" "x=2" "x"
  STDOUT "//Variable: x=1\n//Variable: x=2\n2\n"
  STDERR_PART "OVERWRITE?: The variable name x already exists!! Overwrite?")
run_case(document_error_box
  ARGS "=5"
  STDOUT "\n"
  STDERR_PART "ERROR!!: No variable name entered!!")

# ---- cls ----
run_case(document_cls_clears_the_text
  ARGS --dump "1+1" "cls" "2*3"
  STDOUT_PART "2\n\n6\n{")
dump_value(text text)
expect_equal(document_cls_text "${text}" "2*3\r\n6\r\n")

# ---- a damaged file: exit 1, nothing printed, the file untouched ----
set(bad "${work}/damaged.vyx")
file(WRITE "${bad}" "not a document")
file(SHA256 "${bad}" bad_before)
run_case(document_damaged_file
  ARGS --file "${bad}" --dump "1+1"
  EXIT 1 NO_STDOUT STDERR_PART "ERROR!!: The document ${bad} could not be opened.")
file(SHA256 "${bad}" bad_after)
expect_equal(document_damaged_file_untouched "${bad_after}" "${bad_before}")

run_case(document_unsavable_file
  ARGS --file "${work}/no/such/dir/x.vyx" "1+1"
  EXIT 1 STDOUT "2\n" STDERR_PART "ERROR!!: The document could not be saved.")

# ---- the desktop program's window placement survives a command-line run ----
set(desktop "${work}/desktop.vyx")
file(COPY_FILE "${VYX_TEST_DATA_DIR}/vyxcalc/desktop_with_placement.vyx" "${desktop}")
file(SIZE "${desktop}" size_before)
math(EXPR tail_before "${size_before} - 48")
file(READ "${desktop}" placement_before OFFSET ${tail_before} HEX)
run_case(document_desktop_file
  ARGS --file "${desktop}" --dump "SIN30+r"
  STDOUT_PART "0.75\n{")
dump_value(placement placement)
dump_value(angle angleUnit)
dump_value(saved converter saved 0)
expect_equal(document_desktop_file_read "${placement} ${angle} ${saved}" "ON 213 1 m = 100 cm")
file(SIZE "${desktop}" size_after)
math(EXPR tail_after "${size_after} - 48")
file(READ "${desktop}" placement_after OFFSET ${tail_after} HEX)
expect_equal(document_placement_kept "${placement_after}" "${placement_before}")

# ---- a run that only looks at a document leaves it as it was ----
set(look "${work}/look.vyx")
file(COPY_FILE "${VYX_TEST_DATA_DIR}/vyxcalc/desktop_with_placement.vyx" "${look}")
# An old time stamp: a rewrite shows even when it comes within the second.
execute_process(COMMAND touch -d "2001-02-03 04:05:06" "${look}")
file(SHA256 "${look}" look_bytes)
file(TIMESTAMP "${look}" look_time "%s")
# expect_untouched(NAME): the file still has its bytes and its time stamp.
function(expect_untouched name)
  file(SHA256 "${look}" bytes)
  file(TIMESTAMP "${look}" time "%s")
  expect_equal(${name} "${bytes} ${time}" "${look_bytes} ${look_time}")
  set(failures ${failures} PARENT_SCOPE)
endfunction()
run_case(document_dump_only ARGS --file "${look}" --dump STDOUT_PART "{")
expect_untouched(document_dump_only_untouched)

# ---- --convert uses the document's variables and settings and never changes it ----
# r = 1/4 and 4 decimals in the desktop file: r*4 meter = 1/0.3048 feet (python3).
run_case(convert_with_file_variable ARGS --file "${look}" --convert "r*4" meter feet
  STDOUT "1 meter = 3.2808 feet\n")
expect_untouched(convert_leaves_the_file)
run_case(convert_other_category ARGS --convert 1 meter gram
  EXIT 2 NO_STDOUT STDERR_PART "\"meter\" is a unit of Length and \"gram\" one of Mass")
run_case(convert_no_number ARGS --convert 5+ meter feet EXIT 1 NO_STDOUT
  STDERR_PART "ERROR!!: Please enter a number.\nvyxcalc: 5+ gives //SYNTAX ERROR!!\n")
run_case(triangle_solver_message ARGS --triangle a=3 b=4
  EXIT 1 NO_STDOUT STDERR_PART "ERROR!!: TRIANGLE IS UNDERCONSTRAINED!!")

file(REMOVE_RECURSE "${work}")
