# zarvel --help and --version answer without a window, in the user's
# language, and the manual pages name exactly the options the programs take.
# Usage: cmake -DZARVEL=... -DTOURNAMENT=... -DVERSION=2.0 -DMAN_DIR=... -P command_line.cmake

# No display to open a window on: a program that tried would fail.
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
    --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES --unset=LANG)

function(run out_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    string(REPLACE ";" " " cmd "${ARGN}")
    message(FATAL_ERROR "${cmd}\nexit ${rc}\nstdout:\n${out}\nstderr:\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

run(version ${no_display} ${ZARVEL} --version)
if(NOT version STREQUAL "zarvel ${VERSION}\n")
  message(FATAL_ERROR "--version printed '${version}', wanted 'zarvel ${VERSION}'")
endif()

run(help ${no_display} ${ZARVEL} --help)
run(help_short ${no_display} ${ZARVEL} -h)
if(NOT help MATCHES "^Usage: zarvel" OR NOT help STREQUAL help_short)
  message(FATAL_ERROR "--help and -h:\n${help}\n---\n${help_short}")
endif()

# The language follows the environment; LC_ALL=C asks for English.
run(german ${no_display} LANGUAGE=de ${ZARVEL} --help)
if(NOT german MATCHES "^Aufruf: zarvel" OR german MATCHES "show this help")
  message(FATAL_ERROR "LANGUAGE=de --help:\n${german}")
endif()
run(french ${no_display} LANG=fr_FR.UTF-8 ${ZARVEL} --help)
if(NOT french MATCHES "^Utilisation : zarvel")
  message(FATAL_ERROR "LANG=fr_FR.UTF-8 --help:\n${french}")
endif()
run(plain ${no_display} LC_ALL=C LANGUAGE=es ${ZARVEL} --help)
if(NOT plain STREQUAL help)
  message(FATAL_ERROR "LC_ALL=C LANGUAGE=es --help:\n${plain}")
endif()

# The long options a text names, sorted, each once.
function(long_options text out_var)
  string(REGEX MATCHALL "--[a-z][a-z-]*" found "${text}")
  list(REMOVE_DUPLICATES found)
  list(SORT found)
  set(${out_var} "${found}" PARENT_SCOPE)
endfunction()

# The options a manual page documents: the tags of its OPTIONS section.
function(man_options page out_var)
  file(READ ${page} roff)
  string(REGEX MATCH "\n\\.SH OPTIONS\n.*" section "${roff}")
  string(REGEX REPLACE "^\n\\.SH OPTIONS\n" "" section "${section}")
  string(REGEX REPLACE "\n\\.SH .*$" "" section "${section}")
  string(REGEX MATCHALL "\\.TP\n[^\n]*" tags "${section}")
  string(REPLACE "\\-" "-" tags "${tags}")
  long_options("${tags}" found)
  set(${out_var} "${found}" PARENT_SCOPE)
endfunction()

long_options("${help}" zarvel_help)
man_options(${MAN_DIR}/zarvel.6.in zarvel_man)
if(NOT zarvel_help STREQUAL zarvel_man OR zarvel_help STREQUAL "")
  message(FATAL_ERROR "zarvel --help names '${zarvel_help}', its manual page '${zarvel_man}'")
endif()

run(tournament_help ${TOURNAMENT} --help)
long_options("${tournament_help}" tournament_help)
man_options(${MAN_DIR}/zarvel-tournament.6.in tournament_man)
if(NOT tournament_help STREQUAL tournament_man OR tournament_help STREQUAL "")
  message(FATAL_ERROR "zarvel-tournament --help names '${tournament_help}', its manual page '${tournament_man}'")
endif()
message(STATUS "zarvel: ${zarvel_help}\nzarvel-tournament: ${tournament_help}")
