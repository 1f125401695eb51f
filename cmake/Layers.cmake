# One static library per layer, vorel_<layer>, built from <layer>/Sources.cmake.
#
# A layer sees only its own headers and those of the layers it links: its include directory
# is a folder of the build tree, layer-views/public/<layer>, whose <layer> folder holds one link
# per entry of the source folder. That directory reaches the layers above through the link,
# never the other way, so an include of a higher layer ("gui/MainWindow.h" in numerology/)
# does not compile.
#
# A layer's private/ folder is left out of that view: only the layer's own sources see it,
# through layer-views/own/<layer>, a link to the whole source folder. So "document/private/..."
# compiles in document/ and nowhere above it.
function(vorel_layer layer)
  set(VOREL_LAYER_SOURCES)
  include(${PROJECT_SOURCE_DIR}/${layer}/Sources.cmake)
  set(target vorel_${layer})
  add_library(${target} STATIC ${VOREL_LAYER_SOURCES})
  set(source ${PROJECT_SOURCE_DIR}/${layer})
  set(view ${CMAKE_BINARY_DIR}/layer-views/public/${layer})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view}/${layer})
  # A new file or folder in the layer configures again, so that it appears in the view.
  file(GLOB entries CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*)
  foreach(entry ${entries})
    if(NOT entry STREQUAL "private")
      file(CREATE_LINK ${source}/${entry} ${view}/${layer}/${entry} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC ${view})
  if(IS_DIRECTORY ${source}/private)
    set(own ${CMAKE_BINARY_DIR}/layer-views/own/${layer})
    file(MAKE_DIRECTORY ${own})
    file(CREATE_LINK ${source} ${own}/${layer} SYMBOLIC)
    target_include_directories(${target} PRIVATE ${own})
  endif()
  foreach(dep ${ARGN})
    if(dep MATCHES "::")
      target_link_libraries(${target} PUBLIC ${dep})
    else()
      target_link_libraries(${target} PUBLIC vorel_${dep})
    endif()
  endforeach()
  vorel_warnings(${target})
endfunction()
