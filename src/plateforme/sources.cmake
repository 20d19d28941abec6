list(APPEND NOYAU_SOURCES
  plateforme/MinuterieQt.cpp
)
list(APPEND FENETRE_SOURCES
  plateforme/DossierDonnees.cpp
  plateforme/PlateformeQt.cpp
  plateforme/PortSerieQt.cpp
)
