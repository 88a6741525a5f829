# The default sprite set: a small generator draws it and the build writes
# Emerald.iml and Emerald.bam beside the programs, where the editor and
# prvl look for them.
add_executable(make_sprites ${CMAKE_SOURCE_DIR}/tools/make_sprites.cpp)
target_link_libraries(make_sprites PRIVATE pyrovel_render)
pyrovel_warnings(make_sprites)

set(SPRITE_SET_OUTPUTS
  ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Emerald.iml
  ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Emerald.bam)
add_custom_command(
  OUTPUT ${SPRITE_SET_OUTPUTS}
  COMMAND make_sprites ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  DEPENDS make_sprites
  COMMENT "Drawing the default sprite set")
add_custom_target(sprite_set ALL DEPENDS ${SPRITE_SET_OUTPUTS})
