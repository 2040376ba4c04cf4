# Makes the man page of one program from its --help (and its subcommands' --help), or checks that
# the committed page still says what the program says. Run as
#   cmake -DPROGRAM=<exe> -DNAME=<name> -DSUMMARY=<one line> -DVERSION=<v> -DPAGE=<file.1>
#         [-DSUBCOMMANDS=a,b] [-DSEE_ALSO=x,y] -DMODE=write|check -P QuillanManPage.cmake
foreach(var PROGRAM NAME SUMMARY VERSION PAGE MODE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "QuillanManPage.cmake needs -D${var}=…")
  endif()
endforeach()
# Commas, not semicolons: a custom target's command and a test's pass a semicolon differently.
string(REPLACE "," ";" SUBCOMMANDS "${SUBCOMMANDS}")
string(REPLACE "," ";" SEE_ALSO "${SEE_ALSO}")

# roff takes a backslash as an escape and a line that starts with "." or "'" as a request; a plain
# "-" may be set as a hyphen, which an option must not be.
function(_roff_verbatim text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(_help_of out)
  execute_process(COMMAND "${PROGRAM}" ${ARGN} --help OUTPUT_VARIABLE text ERROR_VARIABLE error RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${NAME} ${ARGN} --help failed (${code}): ${error}")
  endif()
  _roff_verbatim("${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(TOUPPER "${NAME}" upper)
string(REPLACE "-" "\\-" roff_name "${NAME}")
_help_of(help)
set(page ".\\\" Made from `${NAME} --help` by cmake/QuillanManPage.cmake; the test man_page_${NAME} keeps it so.\n")
string(APPEND page ".TH ${upper} 1 \"\" \"Quillan ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${roff_name} \\- ${SUMMARY}\n")
string(APPEND page ".SH DESCRIPTION\nWhat \\fB${roff_name} \\-\\-help\\fR prints:\n.PP\n.nf\n${help}\n.fi\n")
foreach(sub IN LISTS SUBCOMMANDS)
  _help_of(sub_help ${sub})
  string(APPEND page ".SS \"${roff_name} ${sub}\"\n.nf\n${sub_help}\n.fi\n")
endforeach()
string(APPEND page ".SH VERSION\n${VERSION}\n")
if(SEE_ALSO)
  list(TRANSFORM SEE_ALSO APPEND "(1)")
  list(JOIN SEE_ALSO ", " see)
  string(REPLACE "-" "\\-" see "${see}")
  string(APPEND page ".SH \"SEE ALSO\"\n${see}\n")
endif()

if(MODE STREQUAL "write")
  file(WRITE "${PAGE}" "${page}")
elseif(MODE STREQUAL "check")
  if(NOT EXISTS "${PAGE}")
    message(FATAL_ERROR "${PAGE} is missing; make it with: cmake --build <build> --target man_pages")
  endif()
  file(READ "${PAGE}" committed)
  if(NOT committed STREQUAL page)
    file(WRITE "${NAME}.1.new" "${page}")
    message(FATAL_ERROR "${PAGE} no longer says what `${NAME} --help` says (the page it would be is in"
                        " ${NAME}.1.new here);"
                        " make it again with: cmake --build <build> --target man_pages")
  endif()
else()
  message(FATAL_ERROR "MODE is write or check, not ${MODE}")
endif()
