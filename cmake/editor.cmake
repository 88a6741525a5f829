# prvl-editor, the Qt 6 Widgets front end, with its Qt Test suite.
find_package(Qt6 COMPONENTS Widgets Test QUIET)
if(NOT Qt6Widgets_FOUND)
  message(STATUS "Qt 6 Widgets not found: prvl-editor is not built")
  return()
endif()

# The windows live in a library so the tests drive the same code as the program.
file(GLOB EDITOR_UI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/app/*.cpp ${CMAKE_SOURCE_DIR}/src/app/*.h)
list(REMOVE_ITEM EDITOR_UI_SOURCES ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
add_library(prvl_editor_ui STATIC ${EDITOR_UI_SOURCES})
set_target_properties(prvl_editor_ui PROPERTIES AUTOMOC ON)
target_link_libraries(prvl_editor_ui PUBLIC pyrovel_core Qt6::Widgets)
pyrovel_warnings(prvl_editor_ui)

add_executable(prvl-editor ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(prvl-editor PRIVATE prvl_editor_ui)
pyrovel_warnings(prvl-editor)

# The default palettes go beside the program, where the editor looks for them.
set(EDITOR_PALETTES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Edit.bdi)
add_custom_command(
  OUTPUT ${EDITOR_PALETTES}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/Edit.bdi ${EDITOR_PALETTES}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/Edit.bdi
  COMMENT "Copying the default Edit.bdi")
# The user guide too, for Help > Help.
set(EDITOR_GUIDE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/user-guide.md)
add_custom_command(
  OUTPUT ${EDITOR_GUIDE}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/docs/user-guide.md ${EDITOR_GUIDE}
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/user-guide.md
  COMMENT "Copying the user guide")
add_custom_target(editor_data ALL DEPENDS ${EDITOR_PALETTES} ${EDITOR_GUIDE})
add_dependencies(prvl-editor editor_data)
if(TARGET sprite_set)
  add_dependencies(prvl-editor sprite_set)
endif()

if(NOT Qt6Test_FOUND)
  return()
endif()
enable_testing()
file(GLOB EDITOR_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/app/*.cpp)
foreach(test_source ${EDITOR_TEST_SOURCES})
  get_filename_component(test_name ${test_source} NAME_WE)
  set(test_target app_${test_name})
  add_executable(${test_target} ${test_source})
  set_target_properties(${test_target} PROPERTIES AUTOMOC ON)
  target_include_directories(${test_target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${test_target} PRIVATE prvl_editor_ui Qt6::Test)
  pyrovel_warnings(${test_target})
  target_compile_definitions(${test_target} PRIVATE
    PYROVEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    PYROVEL_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  add_dependencies(${test_target} editor_data)
  if(TARGET sprite_set)
    add_dependencies(${test_target} sprite_set)
  endif()
  add_test(NAME ${test_target} COMMAND ${test_target})
  set_tests_properties(${test_target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
