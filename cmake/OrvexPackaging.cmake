# The Debian package, made by CPack (scripts/package): the install tree of `cmake --install` under
# /usr, with dependencies from dpkg-shlibdeps and maintainer scripts that apply the udev rule.

set(ORVEX_PACKAGE_MAINTAINER "ORVEX SK configurator team <orvex-sk@velnor-gaming.com>")
set(ORVEX_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging/deb")

# Debian's documents: the copyright file and a changelog, compressed as policy asks.
execute_process(COMMAND date -R -u -d "${ORVEX_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE ORVEX_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set(changelog "${CMAKE_BINARY_DIR}/packaging/changelog")
configure_file("${ORVEX_PACKAGING_DIR}/changelog.in" "${changelog}" @ONLY)
add_custom_command(OUTPUT "${changelog}.gz"
    COMMAND "${ORVEX_GZIP}" -9nkf "${changelog}"
    DEPENDS "${changelog}"
    VERBATIM)
add_custom_target(orvex_changelog ALL DEPENDS "${changelog}.gz")
install(FILES "${ORVEX_PACKAGING_DIR}/copyright" "${changelog}.gz"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/orvex-sk")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvex-sk)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ORVEX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velnor-gaming.com/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The skin's lettering falls back to these when its own typeface is not there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")
# CPack indents the lines after the first; "." alone separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "configurator for the ORVEX SK gaming mouse
Sets what the ORVEX SK USB optical gaming mouse keeps in its own memory, in
five profiles: what each of its nine buttons does (mouse buttons, keys,
recorded macros, resolution and profile switching), three resolution steps
with separate X and Y values, angle snapping, lift-off distance, report rate
and the lighting of its zones.
.
The window lives in the tray, follows the mouse's own profile switching and
sets the desktop's pointer settings of each profile. orvexctl does the same
from the shell, with JSON output for scripts and a doctor command that says
why the mouse is not found; orvex-virtual-mouse plugs a virtual mouse into the
kernel for testing. A udev rule gives the user at the machine access to the
mouse.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${ORVEX_PACKAGING_DIR}/postinst;${ORVEX_PACKAGING_DIR}/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
