# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Installs the build into STAGE and checks that the program and every desktop
# file arrive where the desktop looks for them and agree with each other; then
# that the install manifest takes all of it back again. Every file the
# manifest lists is checked by its kind, so a program added later is covered
# too. The build folder's own manifest (of a real install) is kept as it was.
set(manifest "${BUILD_DIR}/install_manifest.txt")
set(saved_manifest "${STAGE}.saved-manifest")
file(REMOVE "${saved_manifest}")
if(EXISTS "${manifest}")
  file(COPY_FILE "${manifest}" "${saved_manifest}")
endif()

# install_into(<prefix> <out-var>): the files the install put there, also
# written to <prefix>.manifest; the build folder's manifest is put back at once.
function(install_into prefix out)
  file(REMOVE_RECURSE "${prefix}")
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE result OUTPUT_QUIET)
  set(files)
  if(EXISTS "${manifest}")
    file(STRINGS "${manifest}" files)
    file(COPY_FILE "${manifest}" "${prefix}.manifest")
    file(REMOVE "${manifest}")
  endif()
  if(EXISTS "${saved_manifest}")
    file(COPY_FILE "${saved_manifest}" "${manifest}")
  endif()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
  endif()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

install_into("${STAGE}" installed)

set(id com.morrowfen.Kelvane)
set(data "${STAGE}/${DATADIR}")
set(expected
  "${STAGE}/${BINDIR}/kelvane"
  "${STAGE}/${BINDIR}/kelvane-widget"
  "${data}/applications/${id}.desktop"
  "${data}/applications/${id}.Widgets.desktop"
  "${data}/dbus-1/services/${id}.service"
  "${data}/metainfo/${id}.metainfo.xml"
  "${data}/icons/hicolor/scalable/apps/${id}.svg")
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected "${data}/icons/hicolor/${size}x${size}/apps/${id}.png")
endforeach()
foreach(path ${expected})
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
  if(NOT path IN_LIST installed)
    message(FATAL_ERROR "installed but not in the manifest: ${path}")
  endif()
endforeach()

# D-Bus activation looks for the service of the desktop file's own name, and
# starts the binary the service names.
file(STRINGS "${data}/dbus-1/services/${id}.service" service)
if(NOT "Name=${id}" IN_LIST service)
  message(FATAL_ERROR "the service file does not own ${id}: ${service}")
endif()
if(NOT "Exec=${STAGE}/${BINDIR}/kelvane" IN_LIST service)
  message(FATAL_ERROR "the service file does not start the installed binary: ${service}")
endif()

file(STRINGS "${data}/applications/${id}.desktop" desktop)
foreach(line "Exec=kelvane %u" "DBusActivatable=true" "MimeType=x-scheme-handler/kelvane;" "Icon=${id}")
  if(NOT "${line}" IN_LIST desktop)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

# The widget program's entry starts the installed widget program.
file(STRINGS "${data}/applications/${id}.Widgets.desktop" widgets)
foreach(line "Name=Kelvane Widgets" "Exec=kelvane-widget" "Icon=${id}")
  if(NOT "${line}" IN_LIST widgets)
    message(FATAL_ERROR "the widget program's desktop entry lacks ${line}")
  endif()
endforeach()

# Every installed file, whichever program it belongs to, by its kind.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
foreach(path ${installed})
  if(NOT path MATCHES "^${STAGE}/")
    message(FATAL_ERROR "installed outside the prefix: ${path}")
  endif()
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "in the manifest but not installed: ${path}")
  endif()
  if(path MATCHES "^${STAGE}/${BINDIR}/")
    get_filename_component(dir "${path}" DIRECTORY)
    get_filename_component(name "${path}" NAME)
    # find_program keeps a result already found: each binary searches anew.
    unset(executable)
    find_program(executable NAMES "${name}" PATHS "${dir}" NO_DEFAULT_PATH NO_CACHE)
    if(NOT executable STREQUAL path)
      message(FATAL_ERROR "not executable: ${path}")
    endif()
  elseif(path MATCHES "/applications/([^/]+)\\.desktop$")
    set(name "${CMAKE_MATCH_1}")
    if(NOT path MATCHES "^${data}/applications/")
      message(FATAL_ERROR "a desktop entry outside ${data}/applications: ${path}")
    endif()
    # desktop-file-validate exits 0 on warnings; they fail here.
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${path}" RESULT_VARIABLE result
      OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT result EQUAL 0 OR report MATCHES "error|warning")
      message(FATAL_ERROR "desktop-file-validate ${path}:\n${report}")
    endif()
    file(STRINGS "${path}" entry)
    foreach(line ${entry})
      if(line MATCHES "^Icon=(.+)$")
        set(icon "${CMAKE_MATCH_1}")
        if(NOT EXISTS "${data}/icons/hicolor/scalable/apps/${icon}.svg"
           AND NOT EXISTS "${data}/icons/hicolor/48x48/apps/${icon}.png")
          message(FATAL_ERROR "${path} names an icon that is not installed: ${icon}")
        endif()
      elseif(line MATCHES "^Exec=([^ ]+)")
        set(program "${CMAKE_MATCH_1}")
        if(NOT EXISTS "${STAGE}/${BINDIR}/${program}")
          message(FATAL_ERROR "${path} starts a program that is not installed: ${program}")
        endif()
      endif()
    endforeach()
    if("DBusActivatable=true" IN_LIST entry AND NOT EXISTS "${data}/dbus-1/services/${name}.service")
      message(FATAL_ERROR "${path} is D-Bus activatable but no service ${name} is installed")
    endif()
  elseif(path MATCHES "\\.metainfo\\.xml$")
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${path}" RESULT_VARIABLE result
      OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "appstreamcli validate ${path}:\n${report}")
    endif()
  elseif(path MATCHES "/dbus-1/services/[^/]+\\.service$")
    file(STRINGS "${path}" lines REGEX "^Exec=")
    string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" binary "${lines}")
    if(NOT binary IN_LIST installed)
      message(FATAL_ERROR "${path} starts ${binary}, which this install did not put in place")
    endif()
  endif()
endforeach()

# The manifest takes back everything a second install put in place.
set(removal "${STAGE}-uninstall")
install_into("${removal}" second)
execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${removal}.manifest -P "${UNINSTALL_SCRIPT}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the uninstall failed: ${result}")
endif()
file(GLOB_RECURSE left LIST_DIRECTORIES false "${removal}/*")
if(left)
  message(FATAL_ERROR "left after the uninstall: ${left}")
endif()
file(REMOVE_RECURSE "${removal}" "${removal}.manifest" "${saved_manifest}")
