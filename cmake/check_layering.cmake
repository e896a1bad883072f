# Fails when a source file under src/ includes a folder that the table of
# docs/architecture.md does not allow it, so that the code and the document
# cannot drift apart. Run by the orvanta_layering target, which every library
# waits for:
#   cmake -DSOURCE_DIR=... -P check_layering.cmake
#
# Each row of the table reads "| `src/FOLDER` | what it holds | may include |":
# the folders named in backticks in the last column are the ones allowed
# besides the folder itself; "no Qt" there also forbids Qt's headers. A row
# may only name folders of the rows above it, so that no dependency runs back
# up and none goes round in a circle.

cmake_minimum_required(VERSION 3.25)

file(READ "${SOURCE_DIR}/docs/architecture.md" document)
# A semicolon would split a row in two CMake list items.
string(REPLACE ";" "," document "${document}")
string(REGEX MATCHALL "\n\\| `src/[a-z_]+` \\|[^\n]*" rows "${document}")
set(folders "")
foreach(row IN LISTS rows)
  string(REGEX MATCH "`src/([a-z_]+)`" unused "${row}")
  set(folder "${CMAKE_MATCH_1}")
  string(REGEX MATCH "\\|([^|]*)\\|[ ]*$" unused "${row}")
  set(rule "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "`[a-z_]+`" allowed "${rule}")
  string(REPLACE "`" "" allowed "${allowed}")
  list(APPEND folders ${folder})
  set(allowed_${folder} ${folder} ${allowed})
  set(no_qt_${folder} FALSE)
  if(rule MATCHES "no Qt")
    set(no_qt_${folder} TRUE)
  endif()
endforeach()

set(faults "")
set(above "")
foreach(folder IN LISTS folders)
  foreach(allowed IN LISTS allowed_${folder})
    if(allowed IN_LIST folders AND NOT allowed STREQUAL folder AND NOT allowed IN_LIST above)
      string(APPEND faults "\n  src/${folder} may include src/${allowed}, which is not above it in the table")
    endif()
  endforeach()
  list(APPEND above ${folder})
endforeach()

file(GLOB present LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*")
foreach(folder IN LISTS present)
  if(IS_DIRECTORY "${SOURCE_DIR}/src/${folder}" AND NOT folder IN_LIST folders)
    string(APPEND faults "\n  src/${folder} has no row in the table")
  endif()
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT folder IN_LIST folders)
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "include[ \t]*\"([a-z_]+)/")
      set(included "${CMAKE_MATCH_1}")
      if(included IN_LIST folders AND NOT included IN_LIST allowed_${folder})
        string(APPEND faults "\n  src/${source}: ${line} (src/${folder} may include: ${allowed_${folder}})")
      endif()
    elseif(no_qt_${folder} AND line MATCHES "include[ \t]*<Q")
      string(APPEND faults "\n  src/${source}: ${line} (src/${folder} stays free of Qt)")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that break the table of docs/architecture.md:${faults}")
endif()
