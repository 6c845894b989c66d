# Fuzz targets: each reader of outside data gets a target built with AddressSanitizer and
# UndefinedBehaviorSanitizer, run by ctest on a fixed budget of mutated inputs.
#
# A target is one source file defining
#     extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
# (the libFuzzer entry point, so the same file also builds under clang's libFuzzer) and,
# optionally, seeds made at run time:
#     extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds);
# tests/fuzz/FuzzMain.cpp is the driver: `TARGET --runs N --seed S [FILES/FOLDERS...]`.

set(SORVIK_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer -O1 -g)

# A copy of library `lib` compiled with the sanitizers, so that faults inside the library,
# not only in the fuzz target, are caught. Named `lib`-sanitized; made once.
function(sorvik_sanitized_library lib)
  set(copy ${lib}-sanitized)
  if(TARGET ${copy})
    return()
  endif()
  get_target_property(dir ${lib} SOURCE_DIR)
  get_target_property(sources ${lib} SOURCES)
  set(absolute)
  foreach(s ${sources})
    if(IS_ABSOLUTE ${s})
      list(APPEND absolute ${s})
    else()
      list(APPEND absolute ${dir}/${s})
    endif()
  endforeach()
  add_library(${copy} STATIC ${absolute})
  foreach(p INCLUDE_DIRECTORIES COMPILE_DEFINITIONS LINK_LIBRARIES
            INTERFACE_INCLUDE_DIRECTORIES INTERFACE_LINK_LIBRARIES INTERFACE_COMPILE_DEFINITIONS)
    get_target_property(v ${lib} ${p})
    if(v)
      set_property(TARGET ${copy} PROPERTY ${p} "${v}")
    endif()
  endforeach()
  target_compile_options(${copy} PRIVATE ${SORVIK_SANITIZER_FLAGS})
  target_link_options(${copy} INTERFACE -fsanitize=address,undefined)
endfunction()

# sorvik_fuzz_target(NAME SOURCES files... [LIBS libs...] [SANITIZED libs...] [RUNS n] [ARGS ...])
# SOURCES are compiled with the sanitizers (the target and any small unit it reads with);
# LIBS link as they are; SANITIZED link as their sanitized copies. ARGS go to the ctest run
# after the fixed budget (seed corpus files or folders).
function(sorvik_fuzz_target name)
  cmake_parse_arguments(ARG "" "RUNS" "SOURCES;LIBS;SANITIZED;ARGS" ${ARGN})
  if(NOT ARG_RUNS)
    set(ARG_RUNS 3000)
  endif()
  set(libs ${ARG_LIBS})
  foreach(l ${ARG_SANITIZED})
    sorvik_sanitized_library(${l})
    list(APPEND libs ${l}-sanitized)
  endforeach()
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/FuzzMain.cpp)
  target_compile_options(${name} PRIVATE ${SORVIK_SANITIZER_FLAGS})
  target_link_options(${name} PRIVATE -fsanitize=address,undefined)
  target_link_libraries(${name} PRIVATE ${libs})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_test(NAME Fuzz.${name} COMMAND ${name} --runs ${ARG_RUNS} --seed 1 ${ARG_ARGS})
  set_tests_properties(Fuzz.${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
