# Install layout and the Debian package (`make package`).
include(GNUInstallDirs)

# Installing (and so packaging) builds only what it installs, not the tests and benchmarks;
# `make package` builds the two programs first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS solvane solvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# solvane-cli hands its painting commands (render, report) to this program, where it looks for it.
install(TARGETS solvane-cli-paint RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/solvane)
# The editor looks for its help file first in its own folder, so the file goes beside the program.
install(FILES ${PROJECT_SOURCE_DIR}/help/qdx5.hlp DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/solvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The profile file type; the system's MIME database takes it up through its package trigger.
install(FILES ${PROJECT_SOURCE_DIR}/data/solvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME solvane.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/solvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/solvane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME solvane.png)
endforeach()

set(CPACK_PACKAGE_NAME solvane)
set(CPACK_PACKAGE_VENDOR "The Solvane authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for wafer measurement profiles")
set(CPACK_PACKAGE_DESCRIPTION
    "Solvane prepares the ordered lists of measurement points that an automated IR wafer-mapping accessory visits on \
a round semiconductor wafer. Profiles are built from standard patterns, by clicking on the wafer drawing (with a \
snap grid), by typing into the point table, or by importing defect positions from KLA results files and CSV \
files; they are saved, reopened, printed and copied. The package also holds solvane-cli, a command-line companion \
for checking, converting and importing profiles in batch.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Solvane Support Desk <support@solvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from dpkg-shlibdeps over the programs (the X11 and offscreen platform plugins ship
# with the Qt GUI library itself).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
