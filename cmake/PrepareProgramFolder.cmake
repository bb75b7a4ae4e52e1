# Runs at build time: gives the program folder its ConSQL.ini and its delivered
# database when they are missing. Existing files are never touched.
if(NOT EXISTS "${PROGRAM_DIR}/ConSQL.ini")
  file(WRITE "${PROGRAM_DIR}/ConSQL.ini" "[Server]\nPath=\n")
endif()
if(NOT EXISTS "${PROGRAM_DIR}/Data/tarvo.dat")
  file(MAKE_DIRECTORY "${PROGRAM_DIR}/Data")
  execute_process(COMMAND "${TARVODB}" init "${PROGRAM_DIR}/Data/tarvo.dat"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "tarvodb init failed (${result})")
  endif()
endif()
