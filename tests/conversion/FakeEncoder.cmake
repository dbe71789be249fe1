# The stand-in encoder that the process, runner and benchmark programs start.
# Built once, by whichever of them is configured first.
if(NOT TARGET fake_encoder)
  add_executable(fake_encoder ${CMAKE_CURRENT_LIST_DIR}/FakeEncoder.cpp)
  set_target_properties(fake_encoder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/helpers)
endif()

# Makes `target` build after the stand-in and know where it is, as FAKE_ENCODER.
function(kestrune_use_fake_encoder target)
  add_dependencies(${target} fake_encoder)
  target_compile_definitions(${target} PRIVATE FAKE_ENCODER="$<TARGET_FILE:fake_encoder>")
endfunction()
