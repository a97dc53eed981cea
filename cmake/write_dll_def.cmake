# Writes a module definition file listing every function of a DLL's import
# library (its __imp_ symbols), for dlltool.
#   cmake -DNM=nm -DIMPORT_LIBRARY=libX.a -DDLL=X.dll -DDEF=X.def -P write_dll_def.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
# i686 names carry one more leading underscore: __imp__Name@N.
string(REGEX MATCHALL "[ \t]I __imp__[^\r\n]+" imports "${symbols}")
set(names "")
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^[ \t]I __imp__" "" import "${import}")
  list(APPEND names "${import}")
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)
list(JOIN names "\n" exports)
file(WRITE ${DEF} "LIBRARY ${DLL}\nEXPORTS\n${exports}\n")
