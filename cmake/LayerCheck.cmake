# A static library does not say what it leaves undefined, so a layer that
# calls into a layer above it would only fail where some program happens to
# pull that code in. Linking the whole layer once more as a shared library
# with --no-undefined makes every such call a link error of its own.
set(VIDOLIN_LAYER_CHECK_SOURCE ${CMAKE_BINARY_DIR}/layer-check/empty.cpp)
file(WRITE ${VIDOLIN_LAYER_CHECK_SOURCE} "// Only the linked layer counts.\n")

function(vidolin_check_layer layer)
  if(NOT VIDOLIN_LAYER_CHECK)
    return()
  endif()
  add_library(${layer}_check SHARED ${VIDOLIN_LAYER_CHECK_SOURCE})
  target_link_libraries(${layer}_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
  target_link_options(${layer}_check PRIVATE -Wl,--no-undefined)
  set_target_properties(${layer}_check PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer-check AUTOMOC OFF)
endfunction()
