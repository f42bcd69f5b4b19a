# Installation layout and the packages: the Debian package here, the
# Windows installer and ZIP in WindowsPackage.cmake.
#
#   cmake --preset release && cmake --build --preset release
#   cd build/release && cpack -G DEB
#
# The desktop id, AURIVANE_APP_ID, is set in the top-level CMakeLists.txt.

include(GNUInstallDirs)

# Date of the current release, for the AppStream release list.
set(AURIVANE_RELEASE_DATE "2026-12-08")

install(TARGETS aurivane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
    return()
endif()

if(APPLE)
    return()
endif()

# Desktop entry, AppStream metadata, icons and manual page.
set(_aurivane_pkg_dir "${PROJECT_BINARY_DIR}/packaging")
configure_file("${PROJECT_SOURCE_DIR}/packaging/${AURIVANE_APP_ID}.metainfo.xml.in"
               "${_aurivane_pkg_dir}/${AURIVANE_APP_ID}.metainfo.xml" @ONLY)

install(FILES "${PROJECT_SOURCE_DIR}/packaging/${AURIVANE_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${_aurivane_pkg_dir}/${AURIVANE_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(_size IN ITEMS 16 24 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/icons/aurivane-${_size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME "${AURIVANE_APP_ID}.png")
endforeach()

# Debian wants manual pages and changelogs compressed; -n keeps the package
# reproducible.
find_program(AURIVANE_GZIP gzip REQUIRED)
foreach(_doc IN ITEMS aurivane.1 debian/changelog)
    get_filename_component(_name "${_doc}" NAME)
    add_custom_command(
        OUTPUT "${_aurivane_pkg_dir}/${_name}.gz"
        COMMAND "${AURIVANE_GZIP}" -9 -n -c "${PROJECT_SOURCE_DIR}/packaging/${_doc}"
                > "${_aurivane_pkg_dir}/${_name}.gz"
        DEPENDS "${PROJECT_SOURCE_DIR}/packaging/${_doc}"
        COMMENT "Compressing ${_doc}"
        VERBATIM)
endforeach()
add_custom_target(aurivane_docs ALL
    DEPENDS "${_aurivane_pkg_dir}/aurivane.1.gz" "${_aurivane_pkg_dir}/changelog.gz")
install(FILES "${_aurivane_pkg_dir}/aurivane.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file (machine-readable) and the changelog, whose newest
# entry must be this release.
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/debian/changelog" _newest LIMIT_COUNT 1)
if(NOT _newest MATCHES "^aurivane \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog starts with '${_newest}', "
                        "not with an entry for ${PROJECT_VERSION}")
endif()
install(FILES "${PROJECT_SOURCE_DIR}/packaging/debian/copyright"
              "${_aurivane_pkg_dir}/changelog.gz"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/aurivane)

# Hardening as Debian builds its packages: every symbol bound at start-up,
# so the relocations can be made read-only (-z now beside the default -z
# relro); and no compiler version strings (.comment) in the stripped program.
target_link_options(aurivane PRIVATE "LINKER:-z,now")
if(CMAKE_STRIP)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(
                COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/aurivane\"
                RESULT_VARIABLE _stripped)
            if(NOT _stripped EQUAL 0)
                message(FATAL_ERROR \"Could not remove .comment from aurivane\")
            endif()
        endif()")
endif()

# The Debian package. dpkg-shlibdeps (dpkg-dev) works out the libraries the
# program links to; the rest it needs at run time is named here: Qt's
# platform plugins, the font that stands in for Verdana, and xdg-open for
# the web pages. In a Wayland session the program runs through XWayland,
# which GNOME and KDE bring; Qt's Wayland plugin is needed only where there
# is no X at all, so it is suggested.
set(CPACK_PACKAGE_NAME "aurivane")
set(CPACK_PACKAGE_VENDOR "Quillmoor")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Aurivane finds the Western sun sign, its ruling planet and its chakra"
    "from a birth date, and shows the chakra's Sanskrit name, symbol,"
    "keyword, colour and picture and the meaning of its open, over-active"
    "and under-active states. Its menus open pages of the maker's forum,"
    "Quillmoor, in the web browser.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_STRIP_FILES ON)

set(AURIVANE_PACKAGE_MAINTAINER "Quillmoor <aurivane@quillmoor.com>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AURIVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

set(CPACK_GENERATOR "DEB")
include(CPack)
