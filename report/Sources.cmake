# The catalogues, the compositions of the report, the thème and the two-person report, and
# the explanation of the numbers. The catalogue texts are compiled in as byte arrays generated
# from report/texts/*.txt.

# Each catalogue once: its CatalogueId name, then its text file in report/texts.
set(_catalogues
  Motivation=motiv
  Realisation=real
  Expression=exp
  Path=chem
  Synthesis=synth
  Theme=theme
  Couple=couple)
set(_inputs)
foreach(_catalogue ${_catalogues})
  string(REGEX REPLACE ".*=" "" _file ${_catalogue})
  list(APPEND _inputs ${PROJECT_SOURCE_DIR}/report/texts/${_file}.txt)
endforeach()
string(REPLACE ";" "," _catalogueList "${_catalogues}")
set(_generated ${PROJECT_BINARY_DIR}/generated/report/CatalogueTexts.cpp)
add_custom_command(
  OUTPUT ${_generated}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${_generated} -DINPUT_DIR=${PROJECT_SOURCE_DIR}/report/texts
          -DCATALOGUES=${_catalogueList} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedTexts.cmake
  DEPENDS ${_inputs} ${PROJECT_SOURCE_DIR}/cmake/EmbedTexts.cmake
  COMMENT "Embedding the catalogue texts"
  VERBATIM)
set(VOREL_LAYER_SOURCES
  report/Catalogue.cpp
  report/Composition.cpp
  report/ReportWriter.cpp
  report/ThemeReport.cpp
  report/CoupleReport.cpp
  report/Explain.cpp
  ${_generated}
)
