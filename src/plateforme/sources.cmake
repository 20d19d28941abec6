list(APPEND NOYAU_SOURCES
  plateforme/MinuterieQt.cpp
)
