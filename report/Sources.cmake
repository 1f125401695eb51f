# The catalogue texts are compiled in: each file becomes a raw string literal.
set(_vorel_texts motiv real exp chem synth)
foreach(name ${_vorel_texts})
  set(_file ${CMAKE_CURRENT_SOURCE_DIR}/report/texts/${name}.txt)
  string(TOUPPER ${name} _upper)
  file(READ ${_file} VOREL_TEXT_${_upper})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_file})
endforeach()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/report/CatalogueTexts.cpp.in
               ${CMAKE_CURRENT_BINARY_DIR}/report/CatalogueTexts.cpp @ONLY)

list(APPEND VOREL_CORE_SOURCES
  report/Catalogue.cpp
  report/Composition.cpp
  report/Explain.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/report/CatalogueTexts.cpp
)
list(APPEND VOREL_GUI_SOURCES
)
