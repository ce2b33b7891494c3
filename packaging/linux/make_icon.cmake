# The program's square icon, cut from its logo: the round emblem without the
# lettering beside it. Called with -DLOGO=<logo svg> -DOUT=<icon svg>.
file(READ "${LOGO}" _svg)
string(REGEX REPLACE "<text[^<]*</text>[ \t\r\n]*" "" _svg "${_svg}")
string(REGEX REPLACE "width=\"[0-9]+\" height=\"[0-9]+\" viewBox=\"[0-9 ]+\""
       "width=\"256\" height=\"256\" viewBox=\"3 3 54 54\"" _svg "${_svg}")
if(_svg MATCHES "<text" OR NOT _svg MATCHES "viewBox=\"3 3 54 54\"")
  message(FATAL_ERROR "The logo ${LOGO} no longer has the expected form")
endif()
file(WRITE "${OUT}" "${_svg}")
