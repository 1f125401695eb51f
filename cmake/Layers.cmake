# One static library per layer, vorel_<layer>, built from <layer>/Sources.cmake.
#
# A layer sees only its own headers and those of the layers it links: its include directory
# is a folder of the build tree that holds one link, <layer> -> the source folder, and that
# directory reaches the layers above through the link, never the other way. So an include of
# a higher layer ("gui/MainWindow.h" in numerology/) does not compile.
function(vorel_layer layer)
  set(VOREL_LAYER_SOURCES)
  include(${PROJECT_SOURCE_DIR}/${layer}/Sources.cmake)
  set(target vorel_${layer})
  add_library(${target} STATIC ${VOREL_LAYER_SOURCES})
  set(view ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${view}/${layer} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${view})
  foreach(dep ${ARGN})
    if(dep MATCHES "::")
      target_link_libraries(${target} PUBLIC ${dep})
    else()
      target_link_libraries(${target} PUBLIC vorel_${dep})
    endif()
  endforeach()
  vorel_warnings(${target})
endfunction()
