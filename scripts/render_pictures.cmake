# Renders one SVG drawing of the program to PNG with rsvg-convert, so the
# program needs no SVG library at run time.
#   -DSVG=<drawing> -DOUT=<folder> -DRSVG=<rsvg-convert> and either
#   -DSIZES="16;18;..."  an icon: <name>-<size>.png for each square size, or
#   nothing more         a picture: <name>.png at its own size, <name>@2x.png
#                        at twice that size.
get_filename_component(_name "${SVG}" NAME_WE)
file(MAKE_DIRECTORY "${OUT}")
function(render)
  execute_process(COMMAND "${RSVG}" ${ARGN} "${SVG}" RESULT_VARIABLE _rc ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "rsvg-convert failed on ${SVG}: ${_err}")
  endif()
endfunction()
if(SIZES)
  foreach(_s ${SIZES})
    render(-w ${_s} -h ${_s} -o "${OUT}/${_name}-${_s}.png")
  endforeach()
else()
  render(-z 1 -o "${OUT}/${_name}.png")
  render(-z 2 -o "${OUT}/${_name}@2x.png")
endif()
