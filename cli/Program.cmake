# vorel-report: the batch report writer. It links the report and register layers, Qt Core for
# the locale names and the render layer (Qt GUI, offscreen) for PDF files, never the windows.
add_executable(vorel-report
  cli/vorel-report.cpp
  cli/HeadlessGui.cpp
  cli/OutputBatch.cpp
  cli/PersonsTransfer.cpp
  cli/ReportArguments.cpp
  cli/ReportCommands.cpp
  cli/ToolMessages.cpp
)
target_link_libraries(vorel-report PRIVATE vorel_report vorel_register vorel_system vorel_render)
vorel_warnings(vorel-report)
install(TARGETS vorel-report DESTINATION ${VOREL_BIN_DESTINATION})
