# The Debian package: "cpack -G DEB" in the build folder writes
# kalvendo_<version>_<arch>.deb, which "apt install ./kalvendo_*.deb" installs
# with the run-time libraries it needs. dpkg-shlibdeps (dpkg-dev) computes
# the libraries from the programs; the rest is named here.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvendo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kalvendo)
set(CPACK_PACKAGE_CONTACT "Kalvendo <info@kalvendo.de>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.kalvendo.de)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "live evaluation of slips of the 13-match football pool")
set(CPACK_PACKAGE_DESCRIPTION
  "Kalvendo follows a match day of the 13-match result bet: it expands every
tip field of the opened slips into its rows and shows, after every goal, how
many rows reach each prize class and which classes each row can still reach.
It enters single, full and reduced (VEW) system slips, takes tip rows over
from text, exports them as text or workbook and prints them onto the paper
slips. The program speaks German. kalvendo-cli offers the core from the
command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the linked libraries: the German texts of Qt's standard buttons and
# dialogs ("Ja", "Nein", "Abbrechen"), which the messages are written for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# Without the Wayland plugin a Wayland session runs the program through
# XWayland; web pages open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
