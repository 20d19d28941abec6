list(APPEND NOYAU_SOURCES
  link/Configuration.cpp
)
list(APPEND FENETRE_SOURCES
  link/FenetreLiaison.cpp
  link/PortSerieQt.cpp
)
