# Met le guide en HTML : le corps par cmark, dans la page du modèle (en-tête, style).
# Paramètres : CMARK, SOURCE (le .md), MODELE (page avec @CORPS@), SORTIE (le .html).
# --unsafe garde les ancres <a id> de la table des matières.
execute_process(COMMAND ${CMARK} --unsafe --smart ${SOURCE}
                OUTPUT_VARIABLE corps RESULT_VARIABLE echec)
if(echec)
  message(FATAL_ERROR "cmark n'a pas pu lire ${SOURCE}")
endif()
file(READ ${MODELE} page)
string(REPLACE "@CORPS@" "${corps}" page "${page}")
file(WRITE ${SORTIE} "${page}")
