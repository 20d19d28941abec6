list(APPEND NOYAU_SOURCES
  timeline/Segments.cpp
  timeline/Curseur.cpp
)
list(APPEND FENETRE_SOURCES
  timeline/FenetreTimeline.cpp
  timeline/FenetreCurseur.cpp
)
