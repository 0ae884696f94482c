# `make package`: a Debian package of everything `make install` installs, under /usr. No maintainer
# scripts: the triggers of shared-mime-info, desktop-file-utils, the icon cache and man-db update
# their databases when files land in or leave their folders.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lockfern)
set(CPACK_PACKAGE_VENDOR Lockfern)
set(CPACK_PACKAGE_CONTACT "Lockfern <${LOCKFERN_SUPPORT_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Lockfern encrypts a file with a password into a package folder NAME.lockfern
beside it, holding the encrypted file and an optional hint. Decrypting restores
the file beside the package. A desktop application and a command-line
companion, lockfern-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LOCKFERN_BUILD_NUMBER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lockfern.app/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps sees the linked libraries, not the Qt platform plugin loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Caja shows our actions only through caja-actions, GNOME Files only through python3-nautilus.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "caja-actions, python3-nautilus")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
