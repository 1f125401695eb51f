# The Debian package of Vorel: the files installed beside the programs (menu entry, icons,
# AppStream metadata, manual pages, copyright, changelog) and CPack's DEB settings.
# Included from CMakeLists.txt after the vorel and vorel-report targets, when the programs
# are installed in the system layout (bin/ and share/vorel/). `cpack -G DEB` in the build
# folder then writes vorel_<version>_<arch>.deb (scripts/package does all of it).
#
# At a new version, besides project(Vorel VERSION ...): add an entry on top of changelog.in and
# a <release> line in the metainfo for the version before (the top ones take the new version
# by themselves), and set the dates by hand: the changelog entry, the metainfo release and
# the .TH lines of both manual pages.
include(GNUInstallDirs)

set(_vorel_pkg_in ${CMAKE_CURRENT_LIST_DIR})
set(_vorel_pkg_out ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The version lives in project(Vorel VERSION ...) only; the templates take it from there.
set(_vorel_appstream_id example.vorel.Vorel)
configure_file(${_vorel_pkg_in}/${_vorel_appstream_id}.metainfo.xml.in
               ${_vorel_pkg_out}/${_vorel_appstream_id}.metainfo.xml @ONLY)

# Manual pages and the changelog go in gzipped (lintian: uncompressed-manual-page), without
# name or time stamp (-n; lintian: package-contains-timestamped-gzip).
find_program(VOREL_GZIP gzip REQUIRED)
set(_vorel_gzipped)
foreach(_file vorel.1 vorel-report.1 changelog)
  configure_file(${_vorel_pkg_in}/${_file}.in ${_vorel_pkg_out}/${_file} @ONLY)
  add_custom_command(OUTPUT ${_vorel_pkg_out}/${_file}.gz
    COMMAND ${VOREL_GZIP} -9 -n -f -k ${_file}
    WORKING_DIRECTORY ${_vorel_pkg_out}
    DEPENDS ${_vorel_pkg_out}/${_file}
    VERBATIM)
  list(APPEND _vorel_gzipped ${_vorel_pkg_out}/${_file}.gz)
endforeach()
add_custom_target(vorel_package_files ALL DEPENDS ${_vorel_gzipped})

install(FILES ${_vorel_pkg_in}/vorel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_vorel_pkg_out}/${_vorel_appstream_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_vorel_pkg_in}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${_vorel_pkg_out}/vorel.1.gz ${_vorel_pkg_out}/vorel-report.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# share/doc/vorel, not CMAKE_INSTALL_DOCDIR (that is share/doc/Vorel, the project's name).
install(FILES ${_vorel_pkg_in}/copyright ${_vorel_pkg_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Les développeurs de Vorel")
set(CPACK_PACKAGE_CONTACT "Les développeurs de Vorel <paquets@vorel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bilan de personnalité et d'aptitudes, en français")
set(CPACK_PACKAGE_DESCRIPTION
"Vorel rédige, en français, un bilan de personnalité et d'aptitudes à partir
du nom complet d'une personne et de sa date de naissance. Les lettres du nom
et les chiffres de la date donnent quatre nombres ; chacun choisit un texte
d'interprétation. Une synthèse, le signe du zodiaque, des nombres, des jours
et des périodes de chance complètent le bilan.

Le paquet contient le programme vorel, qui tient un fichier des personnes et
affiche, enregistre en RTF et imprime les bilans, et l'outil en ligne de
commande vorel-report, qui écrit les bilans en RTF ou en PDF et échange le
fichier des personnes avec un tableur (CSV).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# 0755 folders whatever the umask of the person who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vorel_<version>_<arch>.deb (no revision is set)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Les développeurs de Vorel <paquets@vorel.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vorel.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# The toolkit's own dialogs (printing, files, standard buttons) in French: qtbase_fr.qm; and
# native windows on a Wayland desktop, rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
include(CPack)
