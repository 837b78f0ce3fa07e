# Makes the Windows package of a build, in PACKAGE:
#   <NAME>-windows-x64/      the build installed by its install rules, stripped
#   <NAME>-windows-x64.zip   that folder
#   <NAME>-setup.exe         its installer (windows/package/vantor.nsi)
#   SHA256SUMS               the zip's and the installer's sums, for sha256sum -c
# The windows-package target runs it through the build's windows-package.cmake
# (written by cmake/windows-package.cmake), which sets BUILD, NAME, VERSION,
# PUBLISHER and ICON, and PACKAGE unless given:
#   cmake [-DPACKAGE=<folder>] -P <build>/windows-package.cmake
# With a signing key in the environment (windows/package/sign.sh), the
# programs, vantor-libm.dll, the uninstaller and the installer are signed.
#
# The same build gives the same bytes: every time is SOURCE_DATE_EPOCH, the
# caller's or else the last commit's date, which strip also writes into the
# PE headers in place of the time it runs; the zip holds its files in one
# order, with their times in UTC and without the owner's ids.

set(here ${CMAKE_CURRENT_LIST_DIR})
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${here}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed OR NOT epoch)
    message(FATAL_ERROR "The package's time is the last commit's, which git did not give: "
                        "set SOURCE_DATE_EPOCH")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
set(epoch $ENV{SOURCE_DATE_EPOCH})
set(ENV{TZ} UTC)
set(ENV{LC_ALL} C)
set(folder ${NAME}-windows-x64)
set(zip ${folder}.zip)
set(setup ${NAME}-setup.exe)

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${PACKAGE} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

message(STATUS "Packaging ${zip} and ${setup} in ${PACKAGE} (SOURCE_DATE_EPOCH ${epoch})")
file(REMOVE_RECURSE ${PACKAGE})
file(MAKE_DIRECTORY ${PACKAGE})
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${PACKAGE}/${folder} --strip)
run(${here}/sign.sh ${folder}/vantor.exe ${folder}/vantor-eval.exe ${folder}/vantor-libm.dll)
run(find ${folder} -exec touch -h -d @${epoch} {} +)
execute_process(COMMAND find ${folder} -type f
                COMMAND sort
                COMMAND zip -X -D -q ${zip} -@
                WORKING_DIRECTORY ${PACKAGE} COMMAND_ERROR_IS_FATAL ANY)
run(${CMAKE_COMMAND} -DFOLDER=${PACKAGE}/${folder} -DOUTPUT=${PACKAGE}/uninstall-list.nsh
    -P ${here}/uninstall-list.cmake)
run(makensis -V2 -WX -DVERSION=${VERSION} -DPUBLISHER=${PUBLISHER} -DFOLDER=${PACKAGE}/${folder}
    -DUNINSTALL_LIST=${PACKAGE}/uninstall-list.nsh -DICON=${ICON} -DSIGN=${here}/sign.sh
    -DOUTFILE=${PACKAGE}/${setup} ${here}/vantor.nsi)

set(sums "")
foreach(file IN ITEMS ${setup} ${zip})
  file(SHA256 ${PACKAGE}/${file} sum)
  string(APPEND sums "${sum}  ${file}\n")
endforeach()
file(WRITE ${PACKAGE}/SHA256SUMS "${sums}")
