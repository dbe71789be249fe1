# Every folder of the layer diagram is one library. Its headers are reachable as
# "<alias>/Header.h" only through a private include root that holds nothing but a
# link to that folder, so a target sees exactly the folders it links against: an
# include that points upward in the layers fails to compile.
function(kestrune_library target alias)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${alias})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${alias} SYMBOLIC)
  endif()
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()
