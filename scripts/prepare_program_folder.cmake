# Copies the files a fresh program folder needs, without overwriting what the
# user already has there (the password file may have been changed).
file(GLOB _files "${SOURCE}/*")
foreach(_f ${_files})
  get_filename_component(_name ${_f} NAME)
  if(NOT EXISTS "${DEST}/${_name}")
    file(COPY ${_f} DESTINATION ${DEST})
  endif()
endforeach()
