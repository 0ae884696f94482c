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
# Stripped as dh_strip strips, once everything is staged.
set(CPACK_LOCKFERN_STRIP ${CMAKE_STRIP})
set(CPACK_LOCKFERN_BINDIR ${CMAKE_INSTALL_BINDIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LOCKFERN_BUILD_NUMBER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps sees the linked libraries, not the Qt platform plugin loaded at run time, nor Qt's
# own catalogues, which put the standard dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Caja shows our actions only through caja-actions, GNOME Files only through python3-nautilus.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "caja-actions, python3-nautilus")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What every Debian package carries in its documentation folder: the machine-readable copyright, the
# changelog, and the reasons for what lintian reports but we keep.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/lockfern)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${docdir})
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
lockfern_install_gzipped(${CMAKE_BINARY_DIR}/debian/changelog.Debian ${docdir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME lockfern)
include(CPack)
