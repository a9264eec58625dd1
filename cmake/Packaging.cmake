# The Debian package: tools/package runs CPack on a release build.
# dpkg-shlibdeps reads the libraries the program links (Qt 6 and the C++
# runtime) and declares their packages; Qt's platform plugins, which the
# program loads at run time, are declared by hand.

include(GNUInstallDirs)

set(tarvolin_doc ${CMAKE_INSTALL_DATADIR}/doc/tarvolin)
# Debian keeps the changelog of a package of its own (no Debian revision)
# as changelog.gz, compressed, with no time stamp inside.
set(tarvolin_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${tarvolin_changelog}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/cmake/debian/changelog > ${tarvolin_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog VERBATIM)
add_custom_target(tarvolin_changelog ALL DEPENDS ${tarvolin_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${tarvolin_changelog}
        DESTINATION ${tarvolin_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quenby <quenby@tarvolin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cut a file into numbered pieces and a script that joins them")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvolin cuts one file into numbered pieces of a fixed size and writes\n"
    "beside them a batch script whose COPY/B command joins them back into the\n"
    "original, byte for byte. Its interface is in Simplified Chinese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_SOURCE_DIR}/dist)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's Wayland platform is recommended, not required: without it the program
# runs through XWayland (the X11 platform, which every Wayland desktop offers
# and which is a dependency), and a desktop with no Wayland needs none of it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
