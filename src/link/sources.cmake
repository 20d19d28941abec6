list(APPEND NOYAU_SOURCES
  link/Configuration.cpp
  link/JournauxTransmission.cpp
  link/ProgrammeTest.cpp
  link/TrameProgramme.cpp
  link/Transmission.cpp
)
list(APPEND FENETRE_SOURCES
  link/FenetreLiaison.cpp
  link/FenetreTransmission.cpp
)
