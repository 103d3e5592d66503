# cmake -DSOURCE=repo -DSTAGE=folder -DSHIPPED=file.nsh -DPROGRAMS=a.exe;b.exe -P Stage.cmake
#
# Lays out the release in STAGE exactly as it is installed, from scratch so no
# file of an earlier build ships, and writes SHIPPED for the installer: the
# size it registers and the list of files its uninstaller removes. The list
# names only shipped files, so whatever the player made beside them (scores,
# saved games, settings, own layouts) is never removed by accident.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${SOURCE}/data/ DESTINATION ${STAGE})
file(COPY ${PROGRAMS} DESTINATION ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/SCORES ${STAGE}/SAVEGAME)
file(COPY_FILE ${SOURCE}/LICENSE ${STAGE}/LICENSE.TXT)
file(COPY_FILE ${SOURCE}/dist/README.TXT ${STAGE}/README.TXT)

file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
file(GLOB_RECURSE entries RELATIVE ${STAGE} LIST_DIRECTORIES true ${STAGE}/*)
set(folders ${entries})
list(REMOVE_ITEM folders ${files})

# NSIS reads "$" as the start of a variable.
function(nsis_path relative out)
  string(REPLACE "/" "\\" path "${relative}")
  string(REPLACE "$" "$$" path "${path}")
  set(${out} "$INSTDIR\\${path}" PARENT_SCOPE)
endfunction()

set(bytes 0)
set(removals "")
foreach(relative IN LISTS files)
  file(SIZE ${STAGE}/${relative} size)
  math(EXPR bytes "${bytes} + ${size}")
  nsis_path("${relative}" path)
  string(APPEND removals "  Delete \"${path}\"\n")
endforeach()
# Deepest folders first; each goes only once it is empty.
list(SORT folders ORDER DESCENDING)
foreach(relative IN LISTS folders)
  nsis_path("${relative}" path)
  string(APPEND removals "  RMDir \"${path}\"\n")
endforeach()

math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(WRITE ${SHIPPED} "!define SHIPPED_KB ${kilobytes}\n!macro RemoveShippedFiles\n${removals}!macroend\n")
