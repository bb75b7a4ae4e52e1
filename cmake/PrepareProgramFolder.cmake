# Runs at build time: gives the program folder its ConSQL.ini, delivered database and
# report templates when they are missing (the operator may have changed them: existing
# files are never touched), and the help pages of this build.
file(COPY "${SOURCE_DIR}/resources/help/" DESTINATION "${PROGRAM_DIR}/help")
file(GLOB templates "${SOURCE_DIR}/resources/report/*")
foreach(template IN LISTS templates)
  get_filename_component(name "${template}" NAME)
  if(NOT EXISTS "${PROGRAM_DIR}/report/${name}")
    file(COPY "${template}" DESTINATION "${PROGRAM_DIR}/report")
  endif()
endforeach()
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
