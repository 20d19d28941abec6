# Installation et paquet Debian (cpack -G DEB dans le dossier de construction).
# Installé, le programme ne peut pas écrire à côté de lui : il garde ses fichiers dans
# un dossier par utilisateur, rempli au premier lancement depuis share/gestion-chauffage.
include(GNUInstallDirs)
# Le dossier de documentation du paquet (copyright, journal, guide) : celui de GNUInstallDirs
# prendrait le nom du projet CMake.
set(GC_DOSSIER_DOC ${CMAKE_INSTALL_DATADIR}/doc/gestion-chauffage)

install(TARGETS gestion-chauffage RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET telecommande-virtuelle)
  install(TARGETS telecommande-virtuelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/data.prg ${PROJECT_SOURCE_DIR}/data/VK472.CFG
        DESTINATION ${CMAKE_INSTALL_DATADIR}/gestion-chauffage)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
# Type MIME des fichiers programme ; le déclencheur de shared-mime-info refait la base.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME gestion-chauffage.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.example.gestion_chauffage.metainfo.xml)

# Pages de manuel (celle du programme reprend son --aide) et journal des changements,
# compressés comme Debian le veut : gzip -9n, sans nom ni date dans l'en-tête.
find_program(GC_GZIP gzip REQUIRED)
set(paquet ${PROJECT_BINARY_DIR}/paquet)
file(MAKE_DIRECTORY ${paquet})
add_custom_command(OUTPUT ${paquet}/gestion-chauffage.1.gz
  COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:gestion-chauffage>
          -DMODELE=${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.1.in
          -DSORTIE=${paquet}/gestion-chauffage.1 -DVERSION=${PROJECT_VERSION}
          -P ${PROJECT_SOURCE_DIR}/cmake/PageManuel.cmake
  COMMAND ${GC_GZIP} -9nf ${paquet}/gestion-chauffage.1
  DEPENDS gestion-chauffage ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.1.in
          ${PROJECT_SOURCE_DIR}/cmake/PageManuel.cmake
  VERBATIM)
foreach(source telecommande-virtuelle.1 changelog)
  add_custom_command(OUTPUT ${paquet}/${source}.gz
    COMMAND ${GC_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/${source} > ${paquet}/${source}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source})
endforeach()
add_custom_target(paquet_documents ALL DEPENDS ${paquet}/gestion-chauffage.1.gz
  ${paquet}/telecommande-virtuelle.1.gz ${paquet}/changelog.gz)
install(FILES ${paquet}/gestion-chauffage.1.gz ${paquet}/telecommande-virtuelle.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${GC_DOSSIER_DOC})
install(FILES ${paquet}/changelog.gz DESTINATION ${GC_DOSSIER_DOC}
        RENAME changelog.Debian.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gestion-chauffage)
set(CPACK_PACKAGE_VENDOR "Équipe GESTION CHAUFFAGE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Programme hebdomadaire des radiateurs et chargement de la télécommande VK472")
set(CPACK_PACKAGE_DESCRIPTION
    "Prépare le programme de chauffage de trois zones de radiateurs électriques\n(créneaux de dix minutes, températures, identifiants radio), l'enregistre\ndans des fichiers .PRG et le charge dans la télécommande par le câble série.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Révision Debian 1 : le journal est changelog.Debian.gz (packaging/changelog, même version).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Équipe GESTION CHAUFFAGE <gestion-chauffage@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Dépendances tirées des bibliothèques réellement liées (Qt 6, libstdc++).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Boutons et erreurs du port série en français.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
