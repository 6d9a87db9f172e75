# kelvo_add_plugin(NAME [RESOURCE file] [DIRECTORY dir] SOURCES...): a plug-in library built
# from the framework and a filter, exporting PluginMain only, placed with its resource file in
# the plug-in folder (build/plugins unless DIRECTORY says otherwise).
function(kelvo_add_plugin name)
  cmake_parse_arguments(PLUGIN "" "RESOURCE;DIRECTORY" "" ${ARGN})
  if(NOT PLUGIN_RESOURCE)
    set(PLUGIN_RESOURCE ${CMAKE_SOURCE_DIR}/resources/${name}.json)
  endif()
  if(NOT PLUGIN_DIRECTORY)
    set(PLUGIN_DIRECTORY ${KELVO_PLUGIN_DIR})
  endif()
  add_library(${name} MODULE ${PLUGIN_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE kelvo_framework)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${PLUGIN_DIRECTORY}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_options(${name} PRIVATE
    -Wl,--version-script=${CMAKE_SOURCE_DIR}/framework/exports.map -Wl,--no-undefined)
  set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/framework/exports.map)
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PLUGIN_RESOURCE} ${PLUGIN_DIRECTORY}/${name}.json)
endfunction()

# kelvo_add_subfolders(): adds every folder below the current one that has a CMakeLists.txt.
function(kelvo_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
