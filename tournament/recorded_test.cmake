# The tournament's tables for a seed, recorded from an earlier build: a
# faster tool must still play exactly the same games, so its CSV stays the
# same byte for byte.
# Usage: cmake -DTOOL=<path> -DRECORDED=<folder> -P recorded_test.cmake

# file in RECORDED, then the options it was recorded with
set(runs
  "games1000-seed5000-5000-500.csv --games 1000 --seed 5000"
  "games500-seed10000-10000-1000.csv --games 500 --seed 10000 --target 10000 --break-in 1000"
  "games1000-seed3-5000-500-normal3.csv --games 1000 --seed 3 --normal-position 3")

foreach(run IN LISTS runs)
  separate_arguments(parts UNIX_COMMAND "${run}")
  list(POP_FRONT parts file)
  file(READ "${RECORDED}/${file}" expected)
  execute_process(COMMAND ${TOOL} ${parts} --csv --quiet RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "${file} (${parts}): exit ${rc}, stderr '${err}'\nrecorded:\n${expected}\nnow:\n${out}")
  endif()
endforeach()
