# Writes the uninstaller's lines for the files of a folder: a Delete for each
# file, then an RMDir for each folder, the deepest first. RMDir without /r
# removes only an empty folder, so what someone else put there stays.
#   cmake -DFOLDER=<the folder to install> -DOUTPUT=<file.nsh> -P uninstall-list.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${FOLDER}" "${FOLDER}/*")
set(folders ${entries})
list(REMOVE_ITEM folders ${files})
list(SORT files)
# A folder sorts before everything in it: the reverse order removes the
# contents first.
list(SORT folders ORDER DESCENDING)

set(lines "; Written by windows/package/uninstall-list.cmake from ${FOLDER}\n")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND lines "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND lines "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE "${OUTPUT}" "${lines}")
