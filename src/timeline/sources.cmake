list(APPEND NOYAU_SOURCES)
list(APPEND FENETRE_SOURCES
  timeline/FenetreTimeline.cpp
)
