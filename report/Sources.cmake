# The catalogues, the composition of a report and the explanation of the numbers. The
# catalogue texts are compiled in as byte arrays generated from report/texts/*.txt.
set(_texts motiv real exp chem synth)  # also named in the command below
set(_inputs)
foreach(name ${_texts})
  list(APPEND _inputs ${CMAKE_SOURCE_DIR}/report/texts/${name}.txt)
endforeach()
set(_generated ${CMAKE_BINARY_DIR}/generated/report/CatalogueTexts.cpp)
add_custom_command(
  OUTPUT ${_generated}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${_generated} -DINPUT_DIR=${CMAKE_SOURCE_DIR}/report/texts
          -DNAMES=motiv,real,exp,chem,synth -P ${CMAKE_SOURCE_DIR}/cmake/EmbedTexts.cmake
  DEPENDS ${_inputs} ${CMAKE_SOURCE_DIR}/cmake/EmbedTexts.cmake
  COMMENT "Embedding the catalogue texts"
  VERBATIM)
set(VOREL_LAYER_SOURCES
  report/Catalogue.cpp
  report/Composition.cpp
  report/Explain.cpp
  ${_generated}
)
