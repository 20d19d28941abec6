list(APPEND NOYAU_SOURCES
  zone/CommandesJour.cpp
  zone/Identifiant.cpp
  zone/Temperatures.cpp
)
list(APPEND FENETRE_SOURCES
  zone/FenetreCommandes.cpp
  zone/FenetreZone.cpp
)
