# Installation (cmake --install, et dh_auto_install pour le paquet Debian de debian/).
# Installé, le programme ne peut pas écrire à côté de lui : il garde ses fichiers dans
# un dossier par utilisateur, rempli au premier lancement depuis share/gestion-chauffage.
include(GNUInstallDirs)

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

# Pages de manuel : celle du programme reprend son --aide. Le paquet Debian (debian/) les
# compresse, avec le journal et le copyright qu'il pose lui-même.
set(paquet ${PROJECT_BINARY_DIR}/paquet)
file(MAKE_DIRECTORY ${paquet})
add_custom_command(OUTPUT ${paquet}/gestion-chauffage.1
  COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:gestion-chauffage>
          -DMODELE=${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.1.in
          -DSORTIE=${paquet}/gestion-chauffage.1 -DVERSION=${PROJECT_VERSION}
          -P ${PROJECT_SOURCE_DIR}/cmake/PageManuel.cmake
  DEPENDS gestion-chauffage ${PROJECT_SOURCE_DIR}/packaging/gestion-chauffage.1.in
          ${PROJECT_SOURCE_DIR}/cmake/PageManuel.cmake
  VERBATIM)
add_custom_target(page_manuel ALL DEPENDS ${paquet}/gestion-chauffage.1)
install(FILES ${paquet}/gestion-chauffage.1 ${PROJECT_SOURCE_DIR}/packaging/telecommande-virtuelle.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
