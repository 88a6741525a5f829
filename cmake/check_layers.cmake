# Fails when a file in a layer folder of src/ includes a folder that is not
# among the layers below it. Run as a script:
#   cmake -DSOURCE_DIR=<checkout> -DLAYER_RULES=|model:model|formats:formats,model|... -P check_layers.cmake
# The rules come from the layer list in CMakeLists.txt, which also decides
# what each layer library links.
cmake_minimum_required(VERSION 3.20)

if(NOT SOURCE_DIR OR NOT LAYER_RULES)
  message(FATAL_ERROR "check_layers.cmake needs SOURCE_DIR and LAYER_RULES")
endif()

string(REPLACE "|" ";" rules "${LAYER_RULES}")
set(layers "")
foreach(rule ${rules})
  string(REPLACE ":" ";" parts "${rule}")
  list(GET parts 0 layer)
  list(GET parts 1 allowed)
  string(REPLACE "," ";" allowed_${layer} "${allowed}")
  list(APPEND layers ${layer})
endforeach()

set(include_pattern "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/")
set(problems "")
foreach(layer ${layers})
  file(GLOB_RECURSE files ${SOURCE_DIR}/src/${layer}/*.h ${SOURCE_DIR}/src/${layer}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "${include_pattern}")
    foreach(line ${lines})
      string(REGEX MATCH "${include_pattern}" found "${line}")
      set(used ${CMAKE_MATCH_1})
      if(NOT used IN_LIST allowed_${layer})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        list(JOIN allowed_${layer} ", " may)
        string(STRIP "${line}" line)
        list(APPEND problems "  ${shown}: ${line}\n    (${layer} may include only ${may})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "Includes reaching above their layer:\n${text}\n"
                      "Move the code down, or pass what it needs in from the layer above.")
endif()
list(LENGTH layers count)
message(STATUS "Layer includes checked in ${count} folders")
