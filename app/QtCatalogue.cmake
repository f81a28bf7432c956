# Makes the part of one of Qt's own catalogues that the program shows (a cmake -P script):
#   cmake -DLCONVERT=<lconvert> -DLRELEASE=<lrelease> -DIN=<qtbase_xx.qm> -DOUT=<qm>
#         -DCONTEXTS=<context;...> -P QtCatalogue.cmake
# Qt's whole qtbase catalogue also holds the texts of its regular-expression engine, which
# lintian takes for a copy of PCRE inside the program; the program needs only a few contexts
# (standard buttons, key names in menus, the text box's context menu, screen-reader actions).
get_filename_component(work "${OUT}" DIRECTORY)
get_filename_component(name "${OUT}" NAME_WE)
set(whole "${work}/${name}.whole.ts")
execute_process(COMMAND "${LCONVERT}" -i "${IN}" -o "${whole}" COMMAND_ERROR_IS_FATAL ANY)
file(READ "${whole}" text)

string(REGEX MATCH "<TS [^>]*>" header "${text}")
set(part "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n${header}\n")
foreach(context IN LISTS CONTEXTS)
    string(FIND "${text}" "<name>${context}</name>" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "${IN} has no context ${context}")
    endif()
    string(SUBSTRING "${text}" ${start} -1 rest)
    string(FIND "${rest}" "</context>" end)
    string(SUBSTRING "${rest}" 0 ${end} body)
    string(APPEND part "<context>\n    ${body}</context>\n")
endforeach()
string(APPEND part "</TS>\n")

set(kept "${work}/${name}.ts")
file(WRITE "${kept}" "${part}")
execute_process(COMMAND "${LRELEASE}" -silent "${kept}" -qm "${OUT}" COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE "${whole}" "${kept}")
