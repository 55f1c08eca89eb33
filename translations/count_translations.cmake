# Counts, for each translation, the texts in the sources that it leaves
# untranslated or unfinished, as lupdate and lrelease see them, without
# touching the .ts files in the tree.
# Usage: cmake -DLUPDATE=... -DLRELEASE=... -DTS_FILES=a.ts,b.ts -DSOURCE_DIRS=d1,d2
#              -DWORK=dir -DSTRICT=ON|OFF -P count_translations.cmake
string(REPLACE "," ";" ts_files "${TS_FILES}")
string(REPLACE "," ";" source_dirs "${SOURCE_DIRS}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(missing 0)
foreach(ts IN LISTS ts_files)
  get_filename_component(name "${ts}" NAME_WE)
  if(NOT EXISTS "${ts}")
    message(FATAL_ERROR "${ts} is missing")
  endif()
  file(COPY_FILE "${ts}" "${WORK}/${name}.ts")
  execute_process(COMMAND "${LUPDATE}" -locations none -no-obsolete ${source_dirs} -ts "${WORK}/${name}.ts"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}${err}")
  endif()
  set(new 0)
  if(out MATCHES "\\(([0-9]+) new and ([0-9]+) already existing\\)")
    set(new ${CMAKE_MATCH_1})
  endif()
  execute_process(COMMAND "${LRELEASE}" "${WORK}/${name}.ts" -qm "${WORK}/${name}.qm"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lrelease failed on ${name}:\n${out}${err}")
  endif()
  set(finished 0)
  set(unfinished 0)
  set(untranslated 0)
  # A tally that cannot be read must not pass for a clean one.
  if(NOT out MATCHES "Generated [0-9]+ translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
    message(FATAL_ERROR "could not read lrelease's tally for ${name}:\n${out}")
  endif()
  set(finished ${CMAKE_MATCH_1})
  set(unfinished ${CMAKE_MATCH_2})
  if(out MATCHES "Ignored ([0-9]+) untranslated source text\\(s\\)")
    set(untranslated ${CMAKE_MATCH_1})
  endif()
  if(finished EQUAL 0 AND unfinished EQUAL 0 AND untranslated EQUAL 0)
    message(FATAL_ERROR "lupdate found no text to translate in ${SOURCE_DIRS}")
  endif()
  message(STATUS "${name}: ${finished} finished, ${unfinished} unfinished, ${untranslated} untranslated"
                 " (${new} not yet in the tree's file)")
  math(EXPR missing "${missing} + ${unfinished} + ${untranslated}")
endforeach()

if(missing GREATER 0)
  if(STRICT)
    message(FATAL_ERROR "${missing} texts are untranslated or unfinished")
  endif()
  message(STATUS "${missing} texts are untranslated or unfinished (reported only; strict with -DZARVEL_STRICT_TRANSLATIONS=ON)")
endif()
