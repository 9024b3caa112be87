cmake_minimum_required(VERSION 3.25)
# Installs the build into STAGE and checks that the program and every desktop
# file arrive where the desktop looks for them, and agree with each other.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

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
