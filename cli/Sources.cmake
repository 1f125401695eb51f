# vorel-report's logic as a library: arguments, one report, a register's reports, CSV. The
# program's main hands it the command line; the tests call it in-process.
set(VOREL_LAYER_SOURCES
  cli/HeadlessGui.cpp
  cli/OutputBatch.cpp
  cli/PersonsTransfer.cpp
  cli/ReportArguments.cpp
  cli/ReportCommands.cpp
  cli/RegisterToRead.cpp
  cli/ReportTool.cpp
  cli/ToolOutput.cpp
)
