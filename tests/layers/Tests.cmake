# The build keeps the layers apart: a file of a layer that includes a header of a layer it
# does not link, or a private header of a layer it links, fails to compile. Each probe is one
# such file, built only by its test, with the include folders its layer gives; beside it, a
# file including a header the layer may use must compile with the same folders, or the probe
# would prove nothing.
set(_probes
  "base:numerology/Numbers.h:base/FileIO.h"
  "numerology:register/RegisterFile.h:numerology/Theme.h"
  "document:report/Composition.h:document/Rtf.h"
  "report:document/private/RtfReader.h:document/Rtf.h"
  "render:document/private/RtfWriter.h:document/RichDocument.h"
  "register:report/Catalogue.h:register/Register.h"
  "report:register/RegisterFile.h:report/ThemeReport.h"
  "system:gui/MainWindow.h:system/ProgramPaths.h"
  "render:gui/ReportWindow.h:render/PdfReport.h"
  "gui:app/ProgramWindows.h:gui/MainWindow.h"
  "cli:gui/MainWindow.h:cli/ReportTool.h")
foreach(probe ${_probes})
  string(REPLACE ":" ";" probeFields "${probe}")
  list(GET probeFields 0 layer)
  list(GET probeFields 1 forbidden)
  list(GET probeFields 2 allowed)
  if(NOT TARGET vorel_${layer})
    continue()
  endif()
  foreach(kind forbidden allowed)
    set(header ${${kind}})
    string(MAKE_C_IDENTIFIER "${layer}_${header}" id)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/layer_probes/${id}.cpp)
    file(WRITE ${source} "#include \"${header}\"\n")
    add_library(layer_probe_${id} OBJECT EXCLUDE_FROM_ALL ${source})
    # The layer's include folders and those of what it links, without building the layer.
    target_include_directories(layer_probe_${id} PRIVATE
      $<TARGET_PROPERTY:vorel_${layer},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_features(layer_probe_${id} PRIVATE cxx_std_20)
    set_target_properties(layer_probe_${id} PROPERTIES AUTOMOC OFF AUTORCC OFF)
    if(kind STREQUAL "forbidden")
      set(name layers.${layer}_cannot_include_${id})
    else()
      set(name layers.${layer}_includes_${id})
    endif()
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DTARGET=layer_probe_${id}
                     -DHEADER=${header} -DEXPECT=${kind}
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/CheckProbe.cmake)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endforeach()
endforeach()

# The batch tool links neither the windows nor Qt Widgets, whatever the linker keeps.
if(TARGET vorel-report)
  add_test(NAME layers.report_tool_links_no_widgets
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DTARGET=vorel-report
                   "-DFORBIDDEN=Qt6Widgets,libvorel_gui,libvorel_app"
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/CheckLinkLine.cmake)
endif()
