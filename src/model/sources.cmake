list(APPEND NOYAU_SOURCES
  model/Programme.cpp
  model/Jour.cpp
  model/Document.cpp
  model/EtatFenetre.cpp
  model/OctetsJour.cpp
)
