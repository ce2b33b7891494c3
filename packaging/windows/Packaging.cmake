# The Windows build: selvora.exe is a window program (no console) carrying the
# program's icon and version. The portable zip and the installer are put
# together by scripts/build-windows.sh from the program folder (bin/).
set(SELVORA_WINDOWS_BUILD ${CMAKE_BINARY_DIR}/packaging)
set(_icon_svg ${SELVORA_WINDOWS_BUILD}/selvora.svg)
set(_logo ${CMAKE_SOURCE_DIR}/resources/images/selvora-logo.svg)
add_custom_command(OUTPUT ${_icon_svg}
  COMMAND ${CMAKE_COMMAND} -DLOGO=${_logo} -DOUT=${_icon_svg} -P ${CMAKE_SOURCE_DIR}/packaging/linux/make_icon.cmake
  DEPENDS ${_logo} ${CMAKE_SOURCE_DIR}/packaging/linux/make_icon.cmake VERBATIM)
find_program(ICOTOOL icotool REQUIRED)
set(_pngs)
foreach(_size 16 24 32 48 64 256)
  set(_png ${SELVORA_WINDOWS_BUILD}/selvora-${_size}.png)
  add_custom_command(OUTPUT ${_png}
    COMMAND ${RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_icon_svg}
    DEPENDS ${_icon_svg} VERBATIM)
  list(APPEND _pngs ${_png})
endforeach()
set(SELVORA_ICO ${SELVORA_WINDOWS_BUILD}/selvora.ico)
add_custom_command(OUTPUT ${SELVORA_ICO}
  COMMAND ${ICOTOOL} -c -o ${SELVORA_ICO} ${_pngs}
  DEPENDS ${_pngs} VERBATIM)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/selvora.rc.in ${SELVORA_WINDOWS_BUILD}/selvora.rc @ONLY)
set_source_files_properties(${SELVORA_WINDOWS_BUILD}/selvora.rc PROPERTIES OBJECT_DEPENDS ${SELVORA_ICO})
set_target_properties(selvora PROPERTIES WIN32_EXECUTABLE ON)
target_sources(selvora PRIVATE ${SELVORA_WINDOWS_BUILD}/selvora.rc)
