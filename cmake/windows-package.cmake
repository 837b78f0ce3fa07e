# The Windows package, included by cmake/windows.cmake. `cmake --install`
# makes the folder that the portable zip holds and the installer installs:
# the two programs at its top beside the DLLs they load (Windows looks there
# first), Qt's plugins in the subfolders Qt looks in beside the programs (no
# qt.conf), a README, Vantor's licence, and under licenses\ those of the
# libraries.
# The target windows-package makes, in package/ of the build,
#   vantor-<version>-windows-x64.zip  that folder, as vantor-<version>-windows-x64\
#   vantor-<version>-setup.exe        its installer (windows/package/vantor.nsi)
#   SHA256SUMS                        their sums
# from an install stripped of debugging information: the programs the tests
# ran, less their symbols. windows/package/package.cmake makes them, the same
# bytes from the same build, signed when a key is given.
# tests/windows/package-test.sh tries them under wine (make test-windows-package).

set(CMAKE_INSTALL_BINDIR .)

# Qt is found after this file is read: the rest waits for the end of the
# top-level CMakeLists.txt.
cmake_language(DEFER CALL vantor_windows_package)

# Sets <prefix>_PACKAGE to "<package> <version>" for the Debian package that
# installed FILE, <prefix>_SOURCE to "<source package> <version>" and
# <prefix>_COPYRIGHT to the package's copyright file.
function(vantor_debian_origin file prefix)
  execute_process(COMMAND dpkg-query -S "${file}" OUTPUT_VARIABLE owner COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "^([^:]+).*" "\\1" package "${owner}")
  execute_process(COMMAND dpkg-query -W "-f=\${Version};\${source:Package};\${source:Version}" ${package}
                  OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
  list(GET fields 0 version)
  list(GET fields 1 source)
  list(GET fields 2 source_version)
  set(${prefix}_PACKAGE "${package} ${version}" PARENT_SCOPE)
  set(${prefix}_SOURCE "${source} ${source_version}" PARENT_SCOPE)
  set(${prefix}_COPYRIGHT /usr/share/doc/${package}/copyright PARENT_SCOPE)
endfunction()

function(vantor_windows_package)
  if(NOT VANTOR_BUILD_UI)
    return() # no window, no package
  endif()
  set(qt_libraries Qt6::Core Qt6::Gui Qt6::Widgets)
  set(qt_platform Qt6::QWindowsIntegrationPlugin)
  set(qt_style Qt6::QModernWindowsStylePlugin) # windowsvista, the one style it is built with
  foreach(target IN LISTS qt_libraries qt_platform qt_style)
    if(NOT TARGET ${target})
      message(FATAL_ERROR "The Windows package needs ${target}, which this Qt lacks")
    endif()
  endforeach()

  # What the programs load: what they import (the compiler's runtime, the
  # mathematics, Qt) and the plugins Qt loads for a window on Windows.
  install(FILES ${VANTOR_RUNTIME_DLLS} DESTINATION .)
  foreach(target IN LISTS qt_libraries)
    install(FILES $<TARGET_FILE:${target}> DESTINATION .)
  endforeach()
  install(FILES $<TARGET_FILE:${qt_platform}> DESTINATION platforms)
  install(FILES $<TARGET_FILE:${qt_style}> DESTINATION styles)
  # Debian's DLLs of the compiler's runtime carry their debugging
  # information (libstdc++-6.dll is 23.7 MB, 2.0 MB without), and Qt's plugins
  # the time Qt was built in their headers: --strip takes it off them as off
  # the programs, and strip writes SOURCE_DATE_EPOCH, when set, in its place.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      file(GLOB dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\"
                     \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/platforms/*.dll\"
                     \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/styles/*.dll\")
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)
    endif()")

  # Licences, and where each library's source comes from: the compiler's
  # runtime and mingw-w64's are Debian's DLLs; Qt's come from
  # scripts/qt-windows.sh, which builds the source of the host's Qt.
  set(package_sources ${PROJECT_SOURCE_DIR}/windows/package)
  set(libstdcxx ${VANTOR_RUNTIME_DLLS})
  list(FILTER libstdcxx INCLUDE REGEX "/libstdc\\+\\+-6\\.dll$")
  set(winpthread ${VANTOR_RUNTIME_DLLS})
  list(FILTER winpthread INCLUDE REGEX "/libwinpthread-1\\.dll$")
  vantor_debian_origin("${libstdcxx}" VANTOR_GCC)
  vantor_debian_origin("${winpthread}" VANTOR_MINGW)
  vantor_debian_origin(/usr/share/doc/qt6-base-dev/copyright VANTOR_QT)
  string(REPLACE " " "=" VANTOR_QT_SOURCE_APT "${VANTOR_QT_SOURCE}")
  set(VANTOR_QT_VERSION ${Qt6Core_VERSION})
  if(NOT VANTOR_QT_SOURCE MATCHES "^qt6-base ([0-9]+:)?${VANTOR_QT_VERSION}[+~-]")
    message(FATAL_ERROR "Qt for Windows is ${VANTOR_QT_VERSION}, the host's qt6-base ${VANTOR_QT_SOURCE}: "
                        "scripts/qt-windows.sh builds the host's version")
  endif()
  configure_file(${package_sources}/licenses.txt.in ${CMAKE_BINARY_DIR}/package-licenses.txt @ONLY)

  install(FILES ${package_sources}/README.txt DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  install(FILES ${CMAKE_BINARY_DIR}/package-licenses.txt DESTINATION licenses RENAME README.txt)
  install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses/Qt RENAME LGPL-3.txt)
  install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses/Qt RENAME GPL-3.txt)
  install(FILES ${VANTOR_QT_COPYRIGHT} DESTINATION licenses/Qt)
  install(DIRECTORY ${VANTOR_LIBM_PREFIX}/share/doc/vantor-libm/ DESTINATION licenses/vantor-libm)
  install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses/gcc RENAME GPL-3.txt)
  install(FILES ${VANTOR_GCC_COPYRIGHT} DESTINATION licenses/gcc)
  install(FILES ${VANTOR_MINGW_COPYRIGHT} DESTINATION licenses/mingw-w64)

  # What windows/package/package.cmake needs of this build, for the target
  # and for a package made elsewhere (-DPACKAGE=<folder>).
  set(package ${CMAKE_BINARY_DIR}/package)
  set(publisher "the Vantor developers") # as LICENSE names them
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/windows-package.cmake @ONLY CONTENT [[
# Makes this build's Windows package (windows/package/package.cmake):
#   cmake [-DPACKAGE=<folder>] -P windows-package.cmake
set(BUILD "@CMAKE_BINARY_DIR@")
if(NOT PACKAGE)
  set(PACKAGE "@package@")
endif()
set(NAME "vantor-@PROJECT_VERSION@")
set(VERSION "@PROJECT_VERSION@")
set(PUBLISHER "@publisher@")
set(ICON "@PROJECT_SOURCE_DIR@/data/icons/org.vantor.Vantor.ico")
include("@package_sources@/package.cmake")
]])
  add_custom_target(windows-package
    COMMAND ${CMAKE_COMMAND} -P ${CMAKE_BINARY_DIR}/windows-package.cmake
    VERBATIM)
  add_dependencies(windows-package vantor vantor-eval)
endfunction()
