# Script mode: writes a C++ source holding the bytes of IN as a char array (no escaping pitfalls).
file(READ "${IN}" hex HEX)
if(CRLF)
  string(REGEX REPLACE "0a$" "" hex "${hex}")
  string(REGEX REPLACE "(..)" "\\1," pairs "${hex}")
  # Every byte is two digits and a comma, so "0a," only ever matches a whole LF byte.
  string(REPLACE "0a," "0d,0a," pairs "${pairs}")
else()
  string(REGEX REPLACE "(..)" "\\1," pairs "${hex}")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f]),?" "'\\\\x\\1'," bytes "${pairs}")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.\n#include <string_view>\n\nnamespace ${NAMESPACE} {\n\n"
     "std::string_view ${FUNCTION}() {\n  static constexpr char bytes[] = {${bytes} '\\0'};\n"
     "  return {bytes, sizeof bytes - 1};\n}\n\n}  // namespace ${NAMESPACE}\n")
