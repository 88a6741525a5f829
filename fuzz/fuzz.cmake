# The fuzz harnesses' shared code, the seed maker and, in the fuzz build
# (PRVL_FUZZ), one libFuzzer program per name in harnesses.txt, in
# <build>/fuzz/.
add_library(pyrovel_fuzz_targets STATIC ${CMAKE_SOURCE_DIR}/fuzz/fuzz_support.cpp
                                        ${CMAKE_SOURCE_DIR}/fuzz/fuzz_targets.cpp)
target_include_directories(pyrovel_fuzz_targets PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(pyrovel_fuzz_targets PUBLIC pyrovel_core)
pyrovel_warnings(pyrovel_fuzz_targets)

# Writes the seed corpora of fuzz/corpus/ from the project's own writers and
# test builders (`make fuzz-seeds`); built only when asked for.
add_executable(prvl_fuzz_seeds EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/fuzz/make_seeds.cpp)
target_include_directories(prvl_fuzz_seeds PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(prvl_fuzz_seeds PRIVATE pyrovel_fuzz_targets)
pyrovel_warnings(prvl_fuzz_seeds)

if(PRVL_FUZZ)
  # The harnesses' own checks are no part of what the fuzzer should explore.
  set_source_files_properties(${CMAKE_SOURCE_DIR}/fuzz/fuzz_support.cpp PROPERTIES COMPILE_OPTIONS
    "-fno-sanitize-coverage=trace-cmp,inline-8bit-counters,pc-table,indirect-calls")
  file(STRINGS ${CMAKE_SOURCE_DIR}/fuzz/harnesses.txt PYROVEL_FUZZ_HARNESSES)
  foreach(harness ${PYROVEL_FUZZ_HARNESSES})
    add_executable(fuzz_${harness} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_main.cpp)
    target_compile_definitions(fuzz_${harness} PRIVATE PYROVEL_FUZZ_HARNESS="${harness}")
    target_link_libraries(fuzz_${harness} PRIVATE pyrovel_fuzz_targets)
    target_link_options(fuzz_${harness} PRIVATE -fsanitize=fuzzer)
    set_target_properties(fuzz_${harness} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                     ${CMAKE_BINARY_DIR}/fuzz)
  endforeach()
endif()
