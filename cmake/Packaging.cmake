# The Debian package `venkora`: everything `cmake --install` installs, under /usr. Built by
# `make package` (a Release build in build-package/), or by `cpack -G DEB` in any configured
# and built folder. The libraries it needs are found by dpkg-shlibdeps; only what is loaded
# at run time without being linked is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME venkora)
set(CPACK_PACKAGE_VENDOR talberg)
set(CPACK_PACKAGE_CONTACT "Venkora <venkora@talberg.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German text editor that optimizes text files")
# Lines under 80 columns, as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION
  "Venkora is a small editor for plain text files with a German user
interface. It deletes superfluous spaces, tabs and a chosen string at the
starts and ends of lines, deletes line breaks (all of them, or only those of
empty lines), and converts tabs into spaces or runs of spaces into tabs, as
one change that undo takes back. Files are read and written byte for byte.
The batch tool venkora-optimieren applies the same rules from the command
line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian strips, after the files are staged (cpack's own stripping keeps the notes).
set(CPACK_VENKORA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripPackage.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time: the SVG plugins draw the toolbar and the program icon; Qt's German texts
# for its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

# Everything the package holds, so that a package build need not build the tests.
add_custom_target(venkora_installed)
add_dependencies(venkora_installed venkora venkora-optimieren venkora_icons venkora_manpages
  venkora_changelog)
