# `cpack -G DEB` in the build folder packs what `cmake --install` installs:
# the three programs, the browser module, the menu entry, icons and metainfo.
set(CPACK_PACKAGE_NAME lumeno)
set(CPACK_PACKAGE_VENDOR "Lumeno")
set(CPACK_PACKAGE_CONTACT "Lumeno developers <lumeno@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shuffles the sentences of a Chinese article")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Lumeno rewrites a Chinese article by shuffling the order of its sentences, in a window\n"
  "painted by its own bitmap skin engine. lumeno-shuffle does the same for files and pipes,\n"
  "and lumeno-skin checks, packs, inspects and previews skins.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
# The libraries the programs link come from dpkg-shlibdeps; the fonts the
# window substitutes for its skin's fonts, and Qt's own translations of its
# dialogs, are named here, as no binary links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei, fonts-liberation, qt6-translations-l10n")
include(CPack)
