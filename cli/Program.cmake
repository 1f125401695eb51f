# vorel-report: the batch report writer. Its library links the report and register layers,
# Qt Core for the locale names and the render layer (Qt GUI, offscreen) for PDF files, never
# the windows.
vorel_layer(cli report register system render)
target_compile_definitions(vorel_cli PRIVATE VOREL_VERSION="${PROJECT_VERSION}")
add_executable(vorel-report cli/vorel-report.cpp)
target_link_libraries(vorel-report PRIVATE vorel_cli)
vorel_warnings(vorel-report)
install(TARGETS vorel-report DESTINATION ${VOREL_BIN_DESTINATION})
