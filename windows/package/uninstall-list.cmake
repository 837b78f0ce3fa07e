# Writes the uninstaller's lines for the files of a folder, as two macros:
#   UNINSTALL_FILES     a Delete for each file but the programs, then an RMDir
#                       for each folder, the deepest first;
#   UNINSTALL_PROGRAMS  a Delete for each program (the .exe files at the top).
# The uninstaller keeps the programs open while it deletes the rest, so that
# none of them can start half-removed, and deletes them once it has let them
# go (windows/package/vantor.nsi). RMDir without /r removes only an empty
# folder, so what someone else put there stays.
#   cmake -DFOLDER=<the folder to install> -DOUTPUT=<file.nsh> -P uninstall-list.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${FOLDER}" "${FOLDER}/*")
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
list(SORT files)
set(program "^[^/]+\\.[eE][xX][eE]$")
set(programs ${files})
list(FILTER programs INCLUDE REGEX "${program}")
list(FILTER files EXCLUDE REGEX "${program}")
# A folder sorts before everything in it: the reverse order removes the
# contents first.
list(SORT folders ORDER DESCENDING)

# Delete and RMDir lines for the paths given, relative to the folder.
function(uninstall_lines command paths output)
  set(lines "")
  foreach(path IN LISTS paths)
    string(REPLACE "/" "\\" path "${path}")
    string(APPEND lines "  ${command} \"$INSTDIR\\${path}\"\n")
  endforeach()
  set(${output} "${lines}" PARENT_SCOPE)
endfunction()
uninstall_lines(Delete "${files}" delete_files)
uninstall_lines(RMDir "${folders}" remove_folders)
uninstall_lines(Delete "${programs}" delete_programs)

file(WRITE "${OUTPUT}" "; Written by windows/package/uninstall-list.cmake from ${FOLDER}
!macro UNINSTALL_FILES
${delete_files}${remove_folders}!macroend
!macro UNINSTALL_PROGRAMS
${delete_programs}!macroend
")
