# The Debian package, built by CPack: `make package`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tinselbox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "tinselbox maintainers <maintainers@tinselbox.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of web calendars of up to 31 days")
# Debian shows the description as it is: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Give each day a picture, a piece of music, a video or a written message,
save the calendar as an XML project file and generate a self-contained web
site from it, from the editor or from the command line without a display.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tinselbox)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The Qt libraries come from the binary's links; the plugins it loads at run time do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5svg5, qt5-image-formats-plugins, kimageformat-plugins, libqrencode4")
# Preview hands the page to the desktop's opener; any browser will do.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, chromium | www-browser, ffmpeg")
# The menu, icon and MIME caches are refreshed by the triggers of the packages that own
# them; the package needs no scripts of its own.
include(CPack)
