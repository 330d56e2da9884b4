# Installs the build into PREFIX and checks that every file landed where the program and the
# desktop look for it. Run by ctest with -DBUILD_DIR, -DPREFIX, and the paths of
# desktop-file-validate, update-mime-database and appstreamcli.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

set(expected bin/kumo share/kumo/help/kumo.qch share/kumo/sample/school.kmt
    share/applications/kumo.desktop share/mime/packages/kumo.xml
    share/icons/hicolor/scalable/apps/kumo.svg share/metainfo/org.example.kumo.metainfo.xml
    share/kumo/screenshots/kumo-main.png share/man/man1/kumo.1.gz share/doc/kumo/copyright
    share/doc/kumo/changelog.gz)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kumo.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/kumo.desktop
                COMMAND_ERROR_IS_FATAL ANY)
# The file types compile into a database that names timetables by their extension.
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX "kumo")
if(NOT "80:application/x-kumo-timetable:*.kmt" IN_LIST globs
   OR NOT "80:application/x-kumo-subjects:*.kms" IN_LIST globs)
  message(FATAL_ERROR "the file types' globs are not in the database: ${globs}")
endif()

# The software centres' entry is valid, names the desktop entry and a screenshot that is shipped.
set(metainfo ${PREFIX}/share/metainfo/org.example.kumo.metainfo.xml)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo} OUTPUT_VARIABLE said
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the metainfo is not valid:\n${said}")
endif()
file(READ ${metainfo} text)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)<" found "${text}")
set(named share/applications/${CMAKE_MATCH_1})
string(REGEX MATCH "/screenshots/([^<]*)</image>" found "${text}")
list(APPEND named share/kumo/screenshots/${CMAKE_MATCH_1})
foreach(file IN LISTS named)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "the metainfo names a file that is not installed: ${file}")
  endif()
endforeach()
