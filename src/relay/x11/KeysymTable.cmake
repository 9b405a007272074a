# Writes {keysym, code point} pairs for every keysym that keysymdef.h documents with an exact
# "U+XXXX" comment. Latin-1 keysyms (their value is the code point) and the keypad ones
# (written "<U+...>", as their meaning hangs on Num Lock) are left out on purpose.
file(STRINGS ${INPUT} lines REGEX "^#define XK_[A-Za-z0-9_]+ +0x[0-9a-fA-F]+ +/\\* U\\+[0-9A-Fa-f]+ ")
set(body "")
foreach(line IN LISTS lines)
  string(REGEX MATCH "0x([0-9a-fA-F]+) +/\\* U\\+([0-9A-Fa-f]+)" _ "${line}")
  set(sym ${CMAKE_MATCH_1})
  set(cp ${CMAKE_MATCH_2})
  math(EXPR value "0x${sym}")
  if(value GREATER 255 AND value LESS 16777216)
    string(APPEND body "{0x${sym}, 0x${cp}},\n")
  endif()
endforeach()
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
