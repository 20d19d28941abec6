list(APPEND NOYAU_SOURCES
  files/FichierProgramme.cpp
)
list(APPEND FENETRE_SOURCES
  files/FenetreFichiers.cpp
  files/MenuFichier.cpp
)
