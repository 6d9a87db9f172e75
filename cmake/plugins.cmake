# kelvo_add_plugin(NAME SOURCES...): a plug-in library built from the framework and a filter,
# exporting PluginMain only, placed with its resource file in the plug-in folder.
function(kelvo_add_plugin name)
  add_library(${name} MODULE ${ARGN})
  target_link_libraries(${name} PRIVATE kelvo_framework)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${KELVO_PLUGIN_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_options(${name} PRIVATE
    -Wl,--version-script=${CMAKE_SOURCE_DIR}/framework/exports.map -Wl,--no-undefined)
  set(resource ${CMAKE_SOURCE_DIR}/resources/${name}.json)
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${resource} ${KELVO_PLUGIN_DIR}/${name}.json)
endfunction()
