cmake_minimum_required(VERSION 3.25)
# Runs beltcalc-batch once and checks its exit status and output.
#   -DBATCH=<tool> -DARGS=<arguments separated by |> -DEXIT=<status>
#   -DSTDOUT=<regexes separated by @@> -DSTDERR=<regexes separated by @@>
# Every regex must match somewhere in its stream; an empty STDERR means the
# tool must print nothing there.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${BATCH}" ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failed "")
if(NOT status STREQUAL "${EXIT}")
  string(APPEND failed "exit status ${status}, expected ${EXIT}\n")
endif()
foreach(stream out err)
  if(stream STREQUAL "out")
    set(patterns "${STDOUT}")
  else()
    set(patterns "${STDERR}")
  endif()
  if(patterns STREQUAL "")
    if(stream STREQUAL "err" AND NOT err STREQUAL "")
      string(APPEND failed "unexpected output on stderr\n")
    endif()
    continue()
  endif()
  string(REPLACE "@@" ";" patterns "${patterns}")
  foreach(pattern IN LISTS patterns)
    if(NOT "${${stream}}" MATCHES "${pattern}")
      string(APPEND failed "std${stream} does not match: ${pattern}\n")
    endif()
  endforeach()
endforeach()

if(NOT failed STREQUAL "")
  message(FATAL_ERROR "${failed}--- stdout ---\n${out}--- stderr ---\n${err}")
endif()
