cmake_minimum_required(VERSION 3.25)
# The layers include downwards only, as the README lays them out: base, the document, the
# platform, the windows (editing, views, output), the shell. Among the windows, output stands
# over views and views over editing. Run with -DSOURCE_DIR=<src>.
set(windows editing views output)
set(layers base document platform ${windows} shell)
# Window calls that cross the windows' order today; they go when the windows stop calling each
# other. A crossing that is no longer there must leave this list too.
set(crossings
  "editing/KumoEditMenu.cpp: views/KumoCl.h"
  "editing/KumoEditMenu.cpp: views/KumoTe.h"
  "views/KumoCls.cpp: output/KumoEnv.h"
  "views/KumoTes.cpp: output/KumoEnv.h"
  "views/KumoChkPages.cpp: output/KumoExp.h"
  "views/KumoChkPages.cpp: output/KumoPrn.h")
set(crossed "")
# The include lines of a file, into includes.
macro(include_lines path)
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
endmacro()
# The header an include line names, into target, and its top folder, into floor.
macro(read_include line)
  string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" target "${line}")
  string(REGEX MATCH "^[^/]+" floor "${target}")
endmacro()
# A fault when the include just read is not allowed.
macro(note_fault)
  if(NOT allowed)
    list(APPEND faults "${file}: ${target}")
  endif()
endmacro()
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" layer "${file}")
  if(layer STREQUAL "shell")
    continue()
  endif()
  # Below the windows, what differs between systems lives in one folder per system.
  if(layer MATCHES "^(base|document)$" AND NOT file MATCHES "^base/(posix|windows)/")
    file(STRINGS ${SOURCE_DIR}/${file} system REGEX
         "_WIN32|#[ \t]*include[ \t]*<(windows|unistd|fcntl|dirent|signal|iconv|direct|io)\\.h>|#[ \t]*include[ \t]*<sys/")
    foreach(line IN LISTS system)
      list(APPEND faults "${file}: ${line} (belongs in base/posix or base/windows)")
    endforeach()
  endif()
  include_lines(${SOURCE_DIR}/${file})
  foreach(line IN LISTS includes)
    read_include("${line}")
    # A project header in angle brackets is still a project header.
    if(floor IN_LIST layers)
      string(REGEX REPLACE "<([^>]+)>" "\"\\1\"" line "${line}")
    endif()
    set(allowed FALSE)
    if(line MATCHES "<Q")
      # Qt lies above the document and everything below it.
      if(NOT layer MATCHES "^(base|document)$")
        set(allowed TRUE)
      endif()
    elseif(line MATCHES "<")
      set(allowed TRUE)  # the standard library and the system
    elseif(floor STREQUAL layer OR floor STREQUAL "base")
      set(allowed TRUE)
    elseif(floor STREQUAL "document" AND NOT layer STREQUAL "base")
      set(allowed TRUE)
    elseif(floor STREQUAL "platform" AND NOT layer MATCHES "^(base|document)$")
      set(allowed TRUE)
    elseif(layer IN_LIST windows)
      # Windows reach each other through the application context, the main window's commands
      # and the own headers of the windows below them, never through their internals.
      list(FIND windows "${layer}" here)
      list(FIND windows "${floor}" below)
      if(target MATCHES "^shell/Kumo(App|Main)\\.h$" OR
         (below GREATER_EQUAL 0 AND below LESS here AND
          target MATCHES "^[a-z]+/Kumo[A-Za-z0-9]*\\.h$"))
        set(allowed TRUE)
      elseif("${file}: ${target}" IN_LIST crossings)
        list(APPEND crossed "${file}: ${target}")
        set(allowed TRUE)
      endif()
    endif()
    note_fault()
  endforeach()
endforeach()
foreach(crossing IN LISTS crossings)
  if(NOT crossing IN_LIST crossed)
    list(APPEND faults "${crossing} (no longer there: take it off the list)")
  endif()
endforeach()

# The tests, the benchmarks, the fuzz targets and the sample's maker: each includes what it works
# on and what lies below it, Qt only where it drives the platform or the windows. A header of the
# same folder, or of the tests' own folders, wins over one of the program's.
get_filename_component(ROOT_DIR ${SOURCE_DIR} DIRECTORY)
set(reach_tests/base base)
set(reach_tests/document base document tests/base tests/support)
set(reach_tests/platform base document platform tests/base tests/support)
set(reach_tests/support base document platform tests/base)
set(reach_tests/gui ${layers} tests/base tests/document tests/platform tests/support)
set(reach_bench ${layers})
set(reach_fuzz base document)
# The settings target starts the whole program offscreen.
set(reach_fuzz/FuzzSettings.cpp ${layers})
set(reach_sample base document)
set(with_qt tests/platform tests/support tests/gui bench fuzz/FuzzSettings.cpp)
foreach(tree tests/base tests/document tests/platform tests/support tests/gui bench fuzz sample)
  file(GLOB_RECURSE files RELATIVE ${ROOT_DIR} ${ROOT_DIR}/${tree}/*.h ${ROOT_DIR}/${tree}/*.cpp)
  foreach(file IN LISTS files)
    set(reach ${reach_${tree}})
    set(qt ${tree})
    if(DEFINED reach_${file})
      set(reach ${reach_${file}})
      set(qt ${file})
    endif()
    include_lines(${ROOT_DIR}/${file})
    foreach(line IN LISTS includes)
      read_include("${line}")
      if(EXISTS ${ROOT_DIR}/${tree}/${target})
        set(floor ${tree})
      elseif(EXISTS ${ROOT_DIR}/tests/${target})
        set(floor tests/${floor})
      endif()
      if(line MATCHES "<Q")
        set(allowed FALSE)
        if(qt IN_LIST with_qt)
          set(allowed TRUE)
        endif()
      elseif(floor STREQUAL tree OR floor IN_LIST reach)
        set(allowed TRUE)
      elseif(floor IN_LIST layers OR floor MATCHES "^tests/")
        set(allowed FALSE)
      else()
        set(allowed TRUE)  # the standard library, the system and the test libraries
      endif()
      note_fault()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
