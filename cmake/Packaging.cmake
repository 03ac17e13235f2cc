# A Debian package of the installed layout: cpack -G DEB in the build folder
# (or cmake --build build --target package) writes q4config_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME q4config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the Q4 gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
  "Sets up the Q4 USB gaming mouse: button assignments, macros, DPI stages, report rate, lighting, scroll direction, the desktop's pointer settings and ten profiles. A udev rule gives the logged-in user access to the mouse.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Q4 configurator developers <q4config@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the program links come from dpkg-shlibdeps; what it loads at
# run time is named here: the QML modules of the pages, and the GStreamer
# plugins the sound players decode WAV and MP3 with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml6-module-qtquick, qml6-module-qtqml-workerscript, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# The Chinese texts need a font with CJK glyphs and the lenticular brackets.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
# The new rule applies to a mouse that is already plugged in.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/../packaging/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
