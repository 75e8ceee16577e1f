# Install layout and the Debian package. Included at the end of the top-level
# CMakeLists.txt, after every target exists, so the rules can ask which
# programs this build has (the editor needs Qt and may be left out).
include(GNUInstallDirs)

set(QUORREL_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
# Fixed lower-case name: the default docdir would follow the project's
# capitalised name and end up beside, not in, the package's own doc folder.
set(QUORREL_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorrel)

if(TARGET quorrel-cli)
  install(TARGETS quorrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TARGET quorrel)
  install(TARGETS quorrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${QUORREL_PACKAGING_DIR}/linux/quorrel.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  # The desktop entry names the icon "quorrel"; the theme picks the size.
  set(missing_icons)
  foreach(size 16 22 24 32 48 64 128 256)
    set(icon ${PROJECT_SOURCE_DIR}/src/app/icons/app/quorrel-${size}.png)
    if(EXISTS ${icon})
      install(FILES ${icon}
              DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
              RENAME quorrel.png)
    else()
      list(APPEND missing_icons ${icon})
    endif()
  endforeach()
  if(missing_icons)
    # Only a warning, so a build without them still installs; the package
    # check (scripts/check-package.sh) fails on every missing size.
    list(JOIN missing_icons "\n  " missing_icons)
    message(WARNING "Application icons missing, not installed:\n  ${missing_icons}")
  endif()
endif()

# The file types are installed with either program: both read them.
install(FILES ${QUORREL_PACKAGING_DIR}/linux/quorrel-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME quorrel.xml)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/cli.md
        DESTINATION ${QUORREL_INSTALL_DOCDIR})
# The README shows this screenshot by its path in the sources.
install(FILES ${PROJECT_SOURCE_DIR}/docs/screenshots/window.png
        DESTINATION ${QUORREL_INSTALL_DOCDIR}/docs/screenshots)

# Debian package: `cpack -G DEB` in the build folder, or scripts/check-package.sh.
# The MIME database, desktop menu and icon cache are refreshed by the dpkg
# triggers of shared-mime-info, desktop-file-utils and hicolor-icon-theme, so
# the package needs no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorrel developers")
set(CPACK_PACKAGE_CONTACT "Quorrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pixel editor for FZX bitmap fonts of the ZX Spectrum")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorrel draws and edits proportional bitmap fonts in the FZX format used by\n"
    "the proportional text drivers of the ZX Spectrum. It also reads and writes\n"
    "CHR and UDG character sets and exports fonts as Z80 assembler source.\n"
    "The package holds the editor and quorrel-cli for batch work from the shell.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME quorrel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorrel developers")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from the binaries themselves (dpkg-shlibdeps),
# except those the codec loads only when first needed (src/codec/CMakeLists.txt).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(QUORREL_LOADED_LIBRARIES)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfreetype6 (>= 2.9), libpng16-16, zlib1g")
endif()
# Loaded at run time to look into tapes and snapshots, so shlibdeps misses it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libspectrum8")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
