# vorel-report: the batch report writer. It links the report and register layers and Qt Core
# for the locale names, never the windows.
add_executable(vorel-report cli/vorel-report.cpp)
target_link_libraries(vorel-report PRIVATE vorel_report vorel_register vorel_system)
vorel_warnings(vorel-report)
install(TARGETS vorel-report DESTINATION .)
