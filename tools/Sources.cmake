# vorel-report: the batch report writer, built from the same libraries as the program.
add_executable(vorel-report tools/vorel-report.cpp)
target_link_libraries(vorel-report PRIVATE vorel_gui)
vorel_warnings(vorel-report)
install(TARGETS vorel-report DESTINATION .)
