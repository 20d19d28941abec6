list(APPEND FENETRE_SOURCES
  ui/BarreDefilement.cpp
  ui/Demarrage.cpp
  ui/FenetrePrincipale.cpp
  ui/MiseEnPage.cpp
  ui/TableControles.cpp
  ui/Twips.cpp
)
