# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Removes what `cmake --install` put in place, as its manifest lists it
# (DESTDIR is honoured as for the install). Folders stay: others may share them.
# A desktop database left listing a removed entry is brought up to date, so the
# kelvane:// links no longer name a program that is gone.
#
#   cmake -DMANIFEST=<build>/install_manifest.txt -P Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "no install manifest at ${MANIFEST}: nothing was installed from this build")
endif()
file(STRINGS "${MANIFEST}" files)
set(entry_dirs)
foreach(file ${files})
  set(path "$ENV{DESTDIR}${file}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
    if(EXISTS "${path}")
      message(FATAL_ERROR "could not remove ${path}")
    endif()
    if(path MATCHES "\\.desktop$")
      get_filename_component(dir "${path}" DIRECTORY)
      list(APPEND entry_dirs "${dir}")
    endif()
  endif()
endforeach()

find_program(UPDATE_DESKTOP_DATABASE update-desktop-database)
list(REMOVE_DUPLICATES entry_dirs)
foreach(dir ${entry_dirs})
  if(UPDATE_DESKTOP_DATABASE AND EXISTS "${dir}/mimeinfo.cache")
    execute_process(COMMAND "${UPDATE_DESKTOP_DATABASE}" "${dir}")
  endif()
endforeach()
