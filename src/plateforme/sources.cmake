list(APPEND NOYAU_SOURCES
  plateforme/CausesSysteme.cpp
  plateforme/FichierOrdinaire.cpp
  plateforme/MinuterieQt.cpp
)
list(APPEND FENETRE_SOURCES
  plateforme/DossierDonnees.cpp
  plateforme/PlateformeQt.cpp
  plateforme/PortSerieQt.cpp
)
