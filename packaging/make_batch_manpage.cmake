# Writes the manual page of beltcalc-batch: the hand-written sections of
# TEMPLATE around a COMMANDS section made from the tool's own --help texts,
# so that the page lists every command the tool has, with its options.
#   cmake -DBATCH=beltcalc-batch -DTEMPLATE=beltcalc-batch.1.in
#         -DDATADIR=/usr/share/beltcalc -DOUTPUT=beltcalc-batch.1 -P make_batch_manpage.cmake

function(help_text out)
  execute_process(COMMAND ${BATCH} ${ARGN} --help
                  OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "beltcalc-batch ${ARGN} --help failed (${rc}): ${err}")
  endif()
  # Semicolons and brackets would split or join the lines of a CMake list.
  string(REPLACE ";" "@SEMICOLON@" text "${text}")
  string(REPLACE "[" "@LBRACKET@" text "${text}")
  string(REPLACE "]" "@RBRACKET@" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One line of help as roff text: backslashes and minus signs escaped, a
# leading dot or quote kept from being read as a request.
function(roff out line)
  string(REPLACE "\\" "\\e" line "${line}")
  string(REPLACE "-" "\\-" line "${line}")
  if(line MATCHES "^[.']")
    string(PREPEND line "\\&")
  endif()
  set(${out} "${line}" PARENT_SCOPE)
endfunction()

# The command names: the lines of the "Commands:" list that start with one.
help_text(overview)
string(REGEX MATCH "Commands:\n(.*)" commands_block "${overview}")
string(REGEX REPLACE "\n\n.*" "" commands_block "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "(^|\n)  [a-z][a-z0-9-]*" names "${commands_block}")
if(NOT names)
  message(FATAL_ERROR "beltcalc-batch --help lists no commands")
endif()

set(section "")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  help_text(text ${name})
  # "Usage: beltcalc-batch SYNOPSIS", a blank line, then the help proper.
  if(NOT text MATCHES "^Usage: beltcalc-batch ([^\n]*)\n\n(.*)$")
    message(FATAL_ERROR "beltcalc-batch ${name} --help does not start with its usage line")
  endif()
  roff(synopsis "${CMAKE_MATCH_1}")
  set(body "${CMAKE_MATCH_2}")
  string(APPEND section ".SS \"${synopsis}\"\n")
  # Paragraphs are filled; indented lines (options, examples) keep their
  # columns.
  string(REPLACE "\n" ";" lines "${body}")
  set(mode new)
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      if(mode STREQUAL "verbatim")
        string(APPEND section ".fi\n")
      endif()
      set(mode new)
      continue()
    endif()
    roff(line "${line}")
    if(line MATCHES "^ ")
      if(NOT mode STREQUAL "verbatim")
        string(APPEND section ".nf\n")
        set(mode verbatim)
      endif()
    else()
      if(mode STREQUAL "verbatim")
        string(APPEND section ".fi\n")
      elseif(mode STREQUAL "new")
        string(APPEND section ".PP\n")
      endif()
      set(mode filled)
    endif()
    string(APPEND section "${line}\n")
  endforeach()
  if(mode STREQUAL "verbatim")
    string(APPEND section ".fi\n")
  endif()
endforeach()
string(REPLACE "@SEMICOLON@" ";" section "${section}")
string(REPLACE "@LBRACKET@" "[" section "${section}")
string(REPLACE "@RBRACKET@" "]" section "${section}")

file(READ ${TEMPLATE} page)
string(REPLACE "@BELT_COMMANDS@\n" "${section}" page "${page}")
string(REPLACE "@BELT_DATADIR_FULL@" "${DATADIR}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
