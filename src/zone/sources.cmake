list(APPEND NOYAU_SOURCES)
list(APPEND FENETRE_SOURCES
  zone/FenetreZone.cpp
)
