if(NOT EXISTS "${DEST}")
  file(COPY_FILE "${SOURCE}" "${DEST}")
endif()
