# The fuzz configuration (SOLVANE_FUZZ=ON): the core and one libFuzzer program per
# tests/fuzz/fuzz_<subject>.cpp, everything instrumented for coverage and checked by
# AddressSanitizer and UndefinedBehaviorSanitizer. Nothing here needs Qt.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SOLVANE_FUZZ needs clang++ (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

# Every undefined-behaviour finding stops the run, so the fuzzer keeps the input that caused it.
set(SOLVANE_SANITIZERS address,undefined)
add_compile_options(-fsanitize=fuzzer-no-link,${SOLVANE_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=${SOLVANE_SANITIZERS})

add_subdirectory(src/core)

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
set(FUZZ_TARGETS "")
foreach(source ${FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE solvane_core)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    list(APPEND FUZZ_TARGETS ${name})

    # The test replays every input kept so far (seeds, the grown corpus and any crash found) once.
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/run-fuzz.sh --replay ${CMAKE_BINARY_DIR} ${name})
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
endforeach()
add_custom_target(fuzz_targets DEPENDS ${FUZZ_TARGETS})
