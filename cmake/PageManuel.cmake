# Page de manuel de gestion-chauffage : le modèle, avec à la place de @USAGE@ le texte de
# --aide du programme construit (une seule source pour l'aide et le manuel).
# Variables : EXECUTABLE, MODELE, SORTIE, VERSION.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
execute_process(COMMAND ${EXECUTABLE} --aide OUTPUT_VARIABLE USAGE RESULT_VARIABLE code)
if(NOT code EQUAL 0 OR USAGE STREQUAL "")
  message(FATAL_ERROR "${EXECUTABLE} --aide a échoué (${code})")
endif()
string(STRIP "${USAGE}" USAGE)
# En troff, "\" et "-" s'écrivent "\e" et "\-" ; une ligne qui commence par "." ou "'"
# serait une commande.
string(REPLACE "\\" "\\e" USAGE "${USAGE}")
string(REPLACE "-" "\\-" USAGE "${USAGE}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" USAGE "${USAGE}")
string(TIMESTAMP DATE "%Y-%m-%d" UTC)
configure_file(${MODELE} ${SORTIE} @ONLY)
