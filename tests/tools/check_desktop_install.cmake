# SPDX-License-Identifier: MIT
# Installs the desktop component into a scratch prefix and checks the menu entry, the document
# type and the icon arrived, are valid, and that *.vyx maps to the document type.
# Usage: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DDATADIR=share -DAPP_ID=<AppStream id>
#        [-DDESKTOP_FILE_VALIDATE=<tool>] [-DUPDATE_MIME_DATABASE=<tool>] -P check_desktop_install.cmake
foreach(required BUILD_DIR PREFIX DATADIR APP_ID)
  if(NOT ${required})
    message(FATAL_ERROR "pass -D${required}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                        --component desktop
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "install failed (${code}):\n${out}${err}")
endif()

set(data "${PREFIX}/${DATADIR}")
set(entry "${data}/applications/tobrikcalculator.desktop")
set(mime "${data}/mime/packages/tobrikcalculator.xml")
set(icon "${data}/icons/hicolor/scalable/apps/tobrikcalculator.svg")
set(metainfo "${data}/metainfo/${APP_ID}.metainfo.xml")
set(failures "")
foreach(path IN ITEMS "${entry}" "${mime}" "${icon}" "${metainfo}")
  if(NOT EXISTS "${path}")
    string(APPEND failures "  missing: ${path}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "desktop files not installed:\n${failures}")
endif()

# The entry must start the program with the file and name the document type the XML defines.
file(READ "${entry}" entry_text)
foreach(line IN ITEMS "Exec=TobrikCalculator %f" "Icon=tobrikcalculator"
                      "MimeType=application/x-tobrikcalculator-doc;")
  string(FIND "${entry_text}" "\n${line}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "  the entry lacks the line ${line}\n")
  endif()
endforeach()

# The metadata launches the entry that was installed and names the same document type.
file(READ "${metainfo}" metainfo_text)
foreach(fragment IN ITEMS "<launchable type=\"desktop-id\">tobrikcalculator.desktop</launchable>"
                          "<mediatype>application/x-tobrikcalculator-doc</mediatype>")
  string(FIND "${metainfo_text}" "${fragment}" at)
  if(at EQUAL -1)
    string(APPEND failures "  the metainfo lacks ${fragment}\n")
  endif()
endforeach()

if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    string(APPEND failures "  desktop-file-validate: ${out}${err}\n")
  endif()
endif()

# The same compiler the desktop runs on install: it must accept the XML and map *.vyx. With the
# prefix on the search path it has nothing to remark, so anything on stderr is a complaint.
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "XDG_DATA_DIRS=${data}" "XDG_DATA_HOME=${data}"
                          "${UPDATE_MIME_DATABASE}" "${data}/mime"
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0 OR NOT "${err}" STREQUAL "")
    string(APPEND failures "  update-mime-database (${code}): ${out}${err}\n")
  elseif(NOT EXISTS "${data}/mime/globs2")
    string(APPEND failures "  update-mime-database wrote no globs2\n")
  else()
    file(READ "${data}/mime/globs2" globs)
    string(FIND "${globs}" ":application/x-tobrikcalculator-doc:*.vyx" at)
    if(at EQUAL -1)
      string(APPEND failures "  *.vyx is not mapped to the document type:\n${globs}\n")
    endif()
  endif()
endif()

if(failures)
  message(FATAL_ERROR "desktop integration check failed:\n${failures}")
endif()
message(STATUS "desktop files installed and valid under ${PREFIX}")
