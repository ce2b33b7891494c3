# Writes the portable archive: the executable, the shared modules built beside
# it, the manual and the files of a fresh program folder (never the data of
# the build folder), under one top folder "Selvora/".
set(_top ${STAGE}/Selvora)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${_top})

# Copies a built file into the archive's folder without its debug sections.
function(copy_stripped path)
  get_filename_component(_name ${path} NAME)
  file(COPY ${path} DESTINATION ${_top})
  if(STRIP)
    execute_process(COMMAND ${STRIP} --strip-debug ${_top}/${_name} RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
      message(FATAL_ERROR "strip of ${_name} failed")
    endif()
  endif()
endfunction()

copy_stripped(${PROGRAM_DIR}/${EXECUTABLE})
# Modules the program loads from its own folder, if the build makes any.
file(GLOB _modules ${PROGRAM_DIR}/*.so ${PROGRAM_DIR}/*.so.* ${PROGRAM_DIR}/*.dll)
foreach(_m ${_modules})
  get_filename_component(_name ${_m} NAME)
  if(NOT EXISTS ${FRESH}/${_name})
    copy_stripped(${_m})
  endif()
endforeach()
# Qt's own texts in Italian (buttons of the message boxes, print dialog,
# camera), found by the program in "translations" beside it.
foreach(_qm qtbase_it.qm qtmultimedia_it.qm)
  if(NOT EXISTS ${QT_TRANSLATIONS}/${_qm})
    message(FATAL_ERROR "${QT_TRANSLATIONS}/${_qm} is missing: install qt6-translations-l10n")
  endif()
  file(COPY ${QT_TRANSLATIONS}/${_qm} DESTINATION ${_top}/translations)
endforeach()
file(GLOB _fresh ${FRESH}/*)
file(COPY ${_fresh} ${PROGRAM_DIR}/Guida.pdf DESTINATION ${_top})

file(REMOVE ${ARCHIVE})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${ARCHIVE} Selvora
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "could not write ${ARCHIVE}")
endif()
message(STATUS "Portable archive: ${ARCHIVE}")
