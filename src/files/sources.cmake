list(APPEND NOYAU_SOURCES
  files/FichierProgramme.cpp
  files/Exports.cpp
)
list(APPEND FENETRE_SOURCES
  files/EcritureAtomique.cpp
  files/FenetreFichiers.cpp
  files/MenuFichier.cpp
)
