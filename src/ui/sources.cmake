list(APPEND FENETRE_SOURCES
  ui/BarreDefilement.cpp
  ui/CausesSysteme.cpp
  ui/Demarrage.cpp
  ui/DossierDonnees.cpp
  ui/FenetrePrincipale.cpp
  ui/FichierOrdinaire.cpp
  ui/MiseEnPage.cpp
  ui/PlateformeQt.cpp
  ui/TableControles.cpp
  ui/Twips.cpp
)
