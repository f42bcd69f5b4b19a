# The Windows program, its installer and its portable ZIP.
#
#   scripts/build-windows      (cross-builds from Debian with MinGW-w64)
#
# aurivane.exe gets its icon, application manifest and version block from a
# resource file. Beside it
# in bin/ go exactly the libraries it loads: Qt's Core, Gui and Widgets, the
# "windows" platform plugin and the JPEG image plugin (the chakra pictures),
# and the C++ runtime of the compiler. The program draws itself in Qt's
# built-in Fusion style, so no style plugin is shipped. Everything is
# stripped on install: unstripped, the C++ runtime alone is over 20 MB.

set(_aurivane_win_dir "${PROJECT_BINARY_DIR}/packaging/windows")
set(AURIVANE_RC_ICON "${PROJECT_SOURCE_DIR}/resources/icons/aurivane.ico")
set(AURIVANE_RC_MANIFEST "${_aurivane_win_dir}/aurivane.manifest")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/aurivane.manifest.in"
               "${AURIVANE_RC_MANIFEST}" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/aurivane.rc.in"
               "${_aurivane_win_dir}/aurivane.rc" @ONLY)
target_sources(aurivane PRIVATE "${_aurivane_win_dir}/aurivane.rc")
set_source_files_properties("${_aurivane_win_dir}/aurivane.rc" TARGET_DIRECTORY aurivane
    PROPERTIES OBJECT_DEPENDS "${AURIVANE_RC_ICON};${AURIVANE_RC_MANIFEST}")
# The bare window that start-up is measured against (scripts/bench-windows)
# carries the same resources.
if(TARGET bench_bare_window)
    target_sources(bench_bare_window PRIVATE "${_aurivane_win_dir}/aurivane.rc")
endif()

# The notice and the full texts of the libraries' licences, which those
# licences ask to travel with the libraries: at the top of the installed
# folder and of the ZIP.
install(FILES "${PROJECT_SOURCE_DIR}/packaging/windows/notice.txt"
        DESTINATION . RENAME NOTICE.txt)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/packaging/windows/licenses/" DESTINATION licenses)

# Qt's libraries and plugins, by their imported targets.
foreach(_lib IN ITEMS Qt6::Core Qt6::Gui Qt6::Widgets)
    install(FILES "$<TARGET_FILE:${_lib}>" DESTINATION bin)
endforeach()
install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>" DESTINATION bin/platforms)
install(FILES "$<TARGET_FILE:Qt6::QJpegPlugin>" DESTINATION bin/imageformats)

# The compiler's runtime: the C++ library, libgcc and winpthreads.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    foreach(_dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(
            COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${_dll}
            OUTPUT_VARIABLE _path
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
            message(FATAL_ERROR "The compiler's runtime library ${_dll} was not found")
        endif()
        install(FILES "${_path}" DESTINATION bin)
    endforeach()
endif()

if(CMAKE_STRIP)
    install(CODE "
        file(GLOB_RECURSE _aurivane_dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/*.dll\")
        foreach(_dll IN LISTS _aurivane_dlls)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${_dll}\"
                            RESULT_VARIABLE _stripped)
            if(NOT _stripped EQUAL 0)
                message(FATAL_ERROR \"Could not strip \${_dll}\")
            endif()
        endforeach()")
endif()

# The installer (NSIS) and the portable ZIP:
#   build/windows/Aurivane-<version>-win64.exe and .zip
# The installer's script is packaging/windows/NSIS.template.in, which CPack
# finds on the module path.
list(APPEND CMAKE_MODULE_PATH "${PROJECT_SOURCE_DIR}/packaging/windows")
set(CPACK_PACKAGE_NAME "Aurivane")
set(CPACK_PACKAGE_VENDOR "Quillmoor")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_SYSTEM_NAME "win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Aurivane")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Aurivane")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/packaging/windows/notice.txt")
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_PACKAGE_NAME "Aurivane")
set(CPACK_NSIS_DISPLAY_NAME "Aurivane")
set(CPACK_NSIS_MUI_ICON "${AURIVANE_RC_ICON}")
set(CPACK_NSIS_MUI_UNIICON "${AURIVANE_RC_ICON}")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer for a 64-bit program: it needs no 32-bit subsystem and
# writes to the same registry view and Program Files folder as the program.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

set(CPACK_GENERATOR "NSIS;ZIP")
include(CPack)
