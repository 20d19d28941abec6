# Installation et paquet Debian (cpack -G DEB dans le dossier de construction).
# Installé, le programme ne peut pas écrire à côté de lui : il garde ses fichiers dans
# un dossier par utilisateur, rempli au premier lancement depuis share/gestion-chauffage.
include(GNUInstallDirs)

install(TARGETS gestion-chauffage RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/data.prg ${PROJECT_SOURCE_DIR}/data/VK472.CFG
        DESTINATION ${CMAKE_INSTALL_DATADIR}/gestion-chauffage)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gestion-chauffage)
set(CPACK_PACKAGE_VENDOR "Équipe GESTION CHAUFFAGE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Programme hebdomadaire des radiateurs et chargement de la télécommande VK472")
set(CPACK_PACKAGE_DESCRIPTION
    "Prépare le programme de chauffage de trois zones de radiateurs électriques\n(créneaux de dix minutes, températures, identifiants radio), l'enregistre\ndans des fichiers .PRG et le charge dans la télécommande par le câble série.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Équipe GESTION CHAUFFAGE <gestion-chauffage@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Dépendances tirées des bibliothèques réellement liées (Qt 6, libstdc++).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Boutons et erreurs du port série en français.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
