cmake_minimum_required(VERSION 3.25)
# Installs the build into PREFIX and checks the installed tree: every file a
# desktop and the program look for is there, and the installed beltcalc-batch,
# run from a folder that has nothing to do with the build, finds the example
# shipped in PREFIX/share/beltcalc and reads it.
#   -DBUILD=<build folder> -DPREFIX=<install folder> -DGUI=<ON|OFF> -DAPP_ID=<desktop id>
#   -DLIBDIR=<library folder under PREFIX>
file(REMOVE_RECURSE ${PREFIX})
unset(ENV{DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${err}")
endif()

set(expected bin/beltcalc-batch share/beltcalc/help.html share/beltcalc/tune.mid
    share/beltcalc/examples/demo.dat share/man/man1/beltcalc-batch.1.gz
    share/doc/beltcalc/copyright share/doc/beltcalc/changelog.gz)
if(GUI)
  list(APPEND expected bin/beltcalc ${LIBDIR}/beltcalc/beltcalc-output.so share/man/man1/beltcalc.1.gz
       share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
       share/icons/hicolor/scalable/apps/${APP_ID}.svg)
  foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  endforeach()
endif()
set(failed "")
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    string(APPEND failed "not installed: ${file}\n")
  endif()
endforeach()

set(elsewhere ${PREFIX}-cwd)
file(MAKE_DIRECTORY ${elsewhere})
file(REAL_PATH ${PREFIX}/share/beltcalc/examples/demo.dat example)
execute_process(COMMAND ${PREFIX}/bin/beltcalc-batch --help WORKING_DIRECTORY ${elsewhere}
                RESULT_VARIABLE status OUTPUT_VARIABLE help)
if(NOT help MATCHES "An example project to try them on:\n  ([^\n]*)\n")
  string(APPEND failed "beltcalc-batch --help names no example project:\n${help}\n")
elseif(NOT CMAKE_MATCH_1 STREQUAL example)
  string(APPEND failed "beltcalc-batch --help names ${CMAKE_MATCH_1}, expected ${example}\n")
else()
  execute_process(COMMAND ${PREFIX}/bin/beltcalc-batch info ${CMAKE_MATCH_1} WORKING_DIRECTORY ${elsewhere}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "Belt +ORVANTO T10\n")
    string(APPEND failed "beltcalc-batch info on the installed example: status ${status}\n${out}${err}\n")
  endif()
endif()

if(failed)
  message(FATAL_ERROR "${failed}")
endif()
