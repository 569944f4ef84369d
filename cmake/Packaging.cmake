# The Debian package, made by scripts/package with CPack: everything `cmake --install` puts in
# place under /usr, with the libraries it needs found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvak-dialbook)
set(CPACK_PACKAGE_VENDOR Orvak)
set(CPACK_PACKAGE_CONTACT "Orvak Dialbook developers <dialbook@orvak.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "phone book and pictures for Orvak cordless handsets")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvak Dialbook keeps the phone book and the pictures of an Orvak cordless
handset, attached over USB as a HID device, on the computer. It receives
the handset's phone book, edits it with undo and redo, keeps it in files,
imports and exports contacts (CSV, vCard) and sends the book back, keeping
the handset's old book first. It frames, adjusts and converts pictures and
downloads them to the handset.
.
The package holds the window (orvak-dialbook), the command-line tool
(dialbook), a simulated handset (orvak-handset-sim), and a udev rule that
lets the person at the computer use the handset without root.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://orvak.example.com/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Added to what dpkg-shlibdeps finds: the type face the artwork is drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Picture formats beyond those Qt reads itself (TIFF among them); udev for the rule; Qt's own
# dialogs in the user's language; libsecret, which QtKeychain loads at run time to reach the
# Secret Service (GNOME Keyring, KeePassXC): without it, CardDAV passwords are kept only in KWallet.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, udev, qt6-translations-l10n, libsecret-1-0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/packaging/postinst;${PROJECT_SOURCE_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
