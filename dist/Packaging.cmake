# The Debian package: cpack -G DEB in the build folder (scripts/package.sh
# builds, checks and installs it). dpkg-shlibdeps finds what the program and
# the sound module link against; what they load at run time is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarvel)
set(CPACK_PACKAGE_VERSION ${ZARVEL_VERSION})
set(CPACK_PACKAGE_VENDOR "Quarnaby Software")
set(CPACK_PACKAGE_CONTACT "Quarnaby Software <support@quarnaby.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game for one to eight players at one computer")
set(CPACK_PACKAGE_DESCRIPTION [[
Roll six dice, set aside the scoring ones (single 1s and 5s, three or more
of a kind, a straight, three pairs), then roll the rest again or pass the
dice to bank the turn's points. A roll without a scoring die is a Zarvel:
the turn's points are lost. The first player to reach the target goes out,
everyone else gets one more turn, and the highest total wins.

Any seat can be played by the computer in one of seven styles, or as the
Expert, which plays the best move there is. The package also holds
zarvel-tournament, which plays the styles against each other without a
window.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZARVEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Run-time needs that no linked library shows, one package a line.
set(ZARVEL_DEB_DEPENDS
  qt6-qpa-plugins          # Qt's window-system plugins: no window opens without one
)
set(ZARVEL_DEB_RECOMMENDS
  qt6-translations-l10n    # Qt's own buttons and dialogs in the player's language
)
list(JOIN ZARVEL_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN ZARVEL_DEB_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

# The findings lintian reports that are known and explained, in the package
# only (not in a plain cmake --install).
set(CPACK_CUSTOM_INSTALL_VARIABLES ZARVEL_DEBIAN_PACKAGE=ON)
install(CODE "
  if(ZARVEL_DEBIAN_PACKAGE)
    file(INSTALL \"${CMAKE_CURRENT_SOURCE_DIR}/lintian-overrides\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/lintian/overrides\" RENAME zarvel)
  endif()")

include(CPack)
