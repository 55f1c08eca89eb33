# Runs zarvel-tournament as a user would: bad options, determinism, totals,
# the Expert and alternating seats.
# Usage: cmake -DTOOL=<path> -DCACHE_HOME=<folder for the solved tables> -P cli_test.cmake

execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "--normal-position" OR NOT out MATCHES "--csv" OR NOT out MATCHES "--alternate"
   OR NOT out MATCHES "Expert")
  message(FATAL_ERROR "--help: exit ${rc}\n${out}")
endif()

foreach(bad "--bogus" "--games;0" "--games;x" "--games" "--target;8000" "--break-in;750"
            "--normal-position;7" "--seats;Normal" "--seats;Normal,Genious" "--csv=1"
            "--jobs;0" "--jobs;1025" "--jobs" "--quiet=1" "--alternate=1" "--seats;Expert,9")
  execute_process(COMMAND ${TOOL} ${bad} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR err STREQUAL "" OR NOT out STREQUAL "")
    message(FATAL_ERROR "'${bad}': exit ${rc}, stderr '${err}', stdout '${out}' (wanted exit 2, a message on stderr only)")
  endif()
endforeach()

# The same seed gives the same table whatever the threads; standard error,
# not a terminal here, stays empty (no progress line).
set(args --games 40 --seed 99 --csv)
execute_process(COMMAND ${TOOL} ${args} --jobs 1 RESULT_VARIABLE rc1 OUTPUT_VARIABLE out1 ERROR_VARIABLE err1)
if(NOT rc1 EQUAL 0 OR NOT err1 STREQUAL "")
  message(FATAL_ERROR "--jobs 1: exit ${rc1}, stderr '${err1}'")
endif()
foreach(jobs 2 7)
  execute_process(COMMAND ${TOOL} ${args} --jobs ${jobs} RESULT_VARIABLE rc2 OUTPUT_VARIABLE out2 ERROR_VARIABLE err2)
  if(NOT rc2 EQUAL 0 OR NOT out1 STREQUAL out2 OR NOT err2 STREQUAL "")
    message(FATAL_ERROR "same seed, --jobs 1 and ${jobs} differ (exit ${rc2}, stderr '${err2}'):\n${out1}\n---\n${out2}")
  endif()
endforeach()

string(REPLACE "\n" ";" rows "${out1}")
list(POP_FRONT rows header)
if(NOT header STREQUAL "seat,style,wins")
  message(FATAL_ERROR "csv header '${header}'")
endif()
set(total 0)
set(count 0)
foreach(row IN LISTS rows)
  if(row STREQUAL "")
    continue()
  endif()
  string(REGEX MATCH "^([0-9]+),([A-Za-z]+),([0-9]+)$" m "${row}")
  if(NOT m)
    message(FATAL_ERROR "csv row '${row}'")
  endif()
  math(EXPR total "${total} + ${CMAKE_MATCH_3}")
  math(EXPR count "${count} + 1")
endforeach()
if(NOT total EQUAL 40 OR NOT count EQUAL 7)
  message(FATAL_ERROR "${count} seats won ${total} of 40 games:\n${out1}")
endif()

execute_process(COMMAND ${TOOL} --games 5 --seed 3 --seats Moron,simple,4 --target 10000 --break-in 1000 --quiet
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Moron" OR NOT out MATCHES "Total +5")
  message(FATAL_ERROR "chosen seats: exit ${rc}\n${out}")
endif()

# The Expert against Moron, the seats alternating: a row per player, whose
# wins add up to the games; the table, and each seat's wins below it.
set(cached ${CMAKE_COMMAND} -E env XDG_CACHE_HOME=${CACHE_HOME})
execute_process(COMMAND ${cached} ${TOOL} --games 20 --seed 5 --seats Expert,Moron --alternate --csv --quiet
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^player,style,wins\n0,Expert,([0-9]+)\n1,Moron,([0-9]+)\n$")
  message(FATAL_ERROR "Expert,Moron alternating: exit ${rc}, stderr '${err}'\n${out}")
endif()
math(EXPR total "${CMAKE_MATCH_1} + ${CMAKE_MATCH_2}")
if(NOT total EQUAL 20)
  message(FATAL_ERROR "Expert,Moron alternating won ${total} of 20 games:\n${out}")
endif()
execute_process(COMMAND ${cached} ${TOOL} --games 20 --seed 5 --seats 8,7 --alternate --quiet
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "seats alternating" OR NOT out MATCHES "\nPlayer +Style"
   OR NOT out MATCHES "\nSeat +Wins" OR NOT out MATCHES "Total +20")
  message(FATAL_ERROR "Expert,Moron alternating, as a table: exit ${rc}\n${out}")
endif()
