cmake_minimum_required(VERSION 3.25)
# Runs beltcalc-batch once and checks its exit status and what it printed.
#   -DBATCH=<tool> -DARGS=<arguments separated by |> -DEXIT=<status>
# then either the streams as text:
#   -DSTDOUT=<regexes separated by @@> -DSTDERR=<regexes separated by @@>
#   Every regex must match somewhere in its stream; an empty STDERR means the
#   tool must print nothing there.
# or, for --json, values of the JSON object on stdout (stderr is not checked):
#   -DCHECKS=<checks separated by @@>, each one of
#     path=text        the value at path is exactly text
#     path:low:high    the value at path is a number in [low, high]
#   A path names members and array indices separated by "/":
#   "pulleyPosition/1/2" is Y of pulley 2.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${BATCH}" ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failed "")
if(NOT status STREQUAL "${EXIT}")
  string(APPEND failed "exit status ${status}, expected ${EXIT}\n")
endif()

if(NOT "${CHECKS}" STREQUAL "")
  string(REPLACE "@@" ";" checks "${CHECKS}")
  foreach(check IN LISTS checks)
    if(check MATCHES "^([^=:]+)=(.*)$")
      set(path "${CMAKE_MATCH_1}")
      set(expected "${CMAKE_MATCH_2}")
      set(range FALSE)
    elseif(check MATCHES "^([^=:]+):([^:]+):([^:]+)$")
      set(path "${CMAKE_MATCH_1}")
      set(low "${CMAKE_MATCH_2}")
      set(high "${CMAKE_MATCH_3}")
      set(range TRUE)
    else()
      message(FATAL_ERROR "malformed check: ${check}")
    endif()
    string(REPLACE "/" ";" keys "${path}")
    string(JSON value ERROR_VARIABLE json_error GET "${out}" ${keys})
    if(json_error)
      string(APPEND failed "${path}: ${json_error}\n")
    elseif(range)
      if(value LESS low OR value GREATER high)
        string(APPEND failed "${path} is ${value}, expected ${low} .. ${high}\n")
      endif()
    elseif(NOT value STREQUAL expected)
      string(APPEND failed "${path} is \"${value}\", expected \"${expected}\"\n")
    endif()
  endforeach()
else()
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
endif()

if(NOT failed STREQUAL "")
  message(FATAL_ERROR "${failed}--- stdout ---\n${out}--- stderr ---\n${err}")
endif()
