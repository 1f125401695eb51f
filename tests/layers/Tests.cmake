# The build keeps the layers apart: a file of a layer that includes a header of a layer it
# does not link, or a private header of a layer it links, fails to compile. Each probe is one
# such file, built only by its test.
set(_probes
  "base:numerology/Numbers.h"
  "numerology:register/RegisterFile.h"
  "document:report/Composition.h"
  "report:document/private/RtfReader.h"
  "render:document/private/RtfWriter.h"
  "register:report/Catalogue.h"
  "report:register/RegisterFile.h"
  "system:gui/MainWindow.h"
  "render:gui/ReportWindow.h"
  "gui:app/ProgramWindows.h")
foreach(probe ${_probes})
  string(REPLACE ":" ";" probeFields "${probe}")
  list(GET probeFields 0 layer)
  list(GET probeFields 1 header)
  if(NOT TARGET vorel_${layer})
    continue()
  endif()
  string(MAKE_C_IDENTIFIER "${layer}_${header}" id)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/layer_probes/${id}.cpp)
  file(WRITE ${source} "#include \"${header}\"\n")
  add_library(layer_probe_${id} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(layer_probe_${id} PRIVATE vorel_${layer})
  add_test(NAME layers.${layer}_cannot_include_${id}
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target layer_probe_${id})
  set_tests_properties(layers.${layer}_cannot_include_${id} PROPERTIES
    PASS_REGULAR_EXPRESSION "${header}: No such file or directory"
    RUN_SERIAL TRUE)
endforeach()

# The batch tool links neither the windows nor Qt Widgets, whatever the linker keeps.
if(TARGET vorel-report)
  add_test(NAME layers.report_tool_links_no_widgets
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DTARGET=vorel-report
                   "-DFORBIDDEN=Qt6Widgets,libvorel_gui,libvorel_app"
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/CheckLinkLine.cmake)
endif()
