# Writes the page with Emscripten's loader inside it: the browser starts the game's code with
# the page itself instead of after a second round trip.
# Usage: cmake -DHTML=in.html -DGLUE=loader.js -DOUT=index.html -P inline_glue.cmake
file(READ "${HTML}" html)
file(READ "${GLUE}" glue)
if(glue MATCHES "</script")
  message(FATAL_ERROR "${GLUE} would end the page's script early")
endif()
set(tag "<script src=\"tarmac-warden-page.js\"></script>")
string(FIND "${html}" "${tag}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${HTML} has no ${tag}")
endif()
string(REPLACE "${tag}" "<script>\n${glue}</script>" html "${html}")
file(WRITE "${OUT}" "${html}")
