cmake_minimum_required(VERSION 3.25)
# Runs beltcalc-batch once and checks its exit status and values of the JSON
# object it prints.
#   -DBATCH=<tool> -DARGS=<arguments separated by |> -DEXIT=<status>
#   -DCHECKS=<checks separated by @@>, each one of
#     path=text        the value at path is exactly text
#     path:low:high    the value at path is a number in [low, high]
# A path names members and array indices separated by "/":
# "pulleyPosition/1/2" is Y of pulley 2.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${BATCH}" ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failed "")
if(NOT status STREQUAL "${EXIT}")
  string(APPEND failed "exit status ${status}, expected ${EXIT}\n")
endif()

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

if(NOT failed STREQUAL "")
  message(FATAL_ERROR "${failed}--- stderr ---\n${err}")
endif()
