list(APPEND NOYAU_SOURCES
  model/Programme.cpp
  model/EtatFenetre.cpp
  model/OctetsJour.cpp
)
