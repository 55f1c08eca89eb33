# Installs the build into an empty prefix and checks what lands there: every
# file the desktop and the package need, nothing else, icons of the size
# their folder says, and an entry and metainfo the desktop's tools accept.
# The validators must be present when ZARVEL_REQUIRE_DESKTOP=1 (the test
# command); elsewhere a missing one is reported and its check left out.
# Usage: cmake -DBUILD=... -DWORK=... -DAPP_ID=... -DVERSION=... -DBINDIR=games -P install_tree.cmake
set(PREFIX "${WORK}/prefix")
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}${err}")
endif()

set(icon_sizes 16 22 24 32 48 64 128 256 512)
set(expected
  ${BINDIR}/zarvel
  ${BINDIR}/zarvel-tournament
  lib/zarvel/zarvel-sound.so
  share/applications/zarvel.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/zarvel.svg
  share/man/man6/zarvel.6.gz
  share/man/man6/zarvel-tournament.6.gz
  share/doc/zarvel/copyright
  share/doc/zarvel/changelog.gz)
foreach(size IN LISTS icon_sizes)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/zarvel.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "install tree differs: missing '${missing}', not expected '${extra}'")
endif()
foreach(f IN LISTS expected)
  file(SIZE "${PREFIX}/${f}" size)
  if(size EQUAL 0)
    message(FATAL_ERROR "${f} is empty")
  endif()
endforeach()

# A PNG's width and height are the two big-endian words after its IHDR tag.
foreach(size IN LISTS icon_sizes)
  set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/zarvel.png")
  file(READ "${png}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 magic)
  string(SUBSTRING "${head}" 32 8 w)
  string(SUBSTRING "${head}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "${png}: ${w}x${h}, wanted ${size}x${size}")
  endif()
endforeach()

# The installed program runs from the tree and finds nothing missing.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=LANGUAGE --unset=LC_ALL --unset=LANG
                        "${PREFIX}/${BINDIR}/zarvel" --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "zarvel ${VERSION}\n")
  message(FATAL_ERROR "installed zarvel --version: exit ${rc}, '${out}${err}'")
endif()

# The entry's texts in each language the game speaks.
file(STRINGS "${PREFIX}/share/applications/zarvel.desktop" entry)
foreach(key Name Comment Keywords GenericName)
  foreach(lang de fr es)
    if(NOT entry MATCHES "(^|;)${key}\\[${lang}\\]=[^;]")
      message(FATAL_ERROR "zarvel.desktop has no ${key}[${lang}]")
    endif()
  endforeach()
endforeach()

set(require "$ENV{ZARVEL_REQUIRE_DESKTOP}")
function(validate tool)
  find_program(program_${tool} ${tool})
  set(program ${program_${tool}})
  if(NOT program)
    if(require STREQUAL "1")
      message(FATAL_ERROR "${tool} is needed (ZARVEL_REQUIRE_DESKTOP=1): install it with scripts/deps.sh")
    endif()
    message(STATUS "not checked: no ${tool}")
    return()
  endif()
  execute_process(COMMAND ${program} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${tool} ${ARGN}: exit ${rc}\n${out}${err}")
  endif()
  message(STATUS "${tool}: ${out}${err}")
endfunction()
validate(desktop-file-validate "${PREFIX}/share/applications/zarvel.desktop")
validate(appstreamcli validate --no-net "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
# The tree as a whole: the metainfo's launchable names an installed entry.
validate(appstreamcli validate-tree --no-net "${PREFIX}")

# The manual pages format without a warning.
find_program(groff groff)
if(groff)
  foreach(page zarvel zarvel-tournament)
    execute_process(COMMAND gzip -dc "${PREFIX}/share/man/man6/${page}.6.gz" OUTPUT_VARIABLE roff)
    file(WRITE "${WORK}/${page}.6" "${roff}")
    execute_process(COMMAND ${groff} -man -ww -z "${WORK}/${page}.6" RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
      message(FATAL_ERROR "${page}.6: ${err}")
    endif()
  endforeach()
endif()
