# The fuzzing harnesses: one libFuzzer program per reader of outside bytes, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and one test per harness that replays its
# corpus. Included by the root in place of the product and the tests.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "NOCTURO_FUZZ veut clang (libFuzzer) : cmake --preset fuzz")
endif()
set(fuzz_sources_domaine)
foreach(dossier util settings catalogue show plateforme)
  # The Win32 layer is not among them: only the folder's own files.
  file(GLOB fichiers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dossier}/*.cpp)
  list(APPEND fuzz_sources_domaine ${fichiers})
endforeach()

set(fuzz_options -Wall -Wextra
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

find_package(Threads REQUIRED)
add_library(nocturo_domaine_fuzz STATIC ${fuzz_sources_domaine})
target_include_directories(nocturo_domaine_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(nocturo_domaine_fuzz PUBLIC ${fuzz_options} PRIVATE -fsanitize=fuzzer-no-link)
target_link_options(nocturo_domaine_fuzz PUBLIC -fsanitize=address,undefined)
target_link_libraries(nocturo_domaine_fuzz PUBLIC Threads::Threads)

enable_testing()
set(NOCTURO_HARNAIS reglages racines exclusions cache historique liste_courante orientation entetes)
foreach(harnais ${NOCTURO_HARNAIS})
  add_executable(fuzz_${harnais} ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_${harnais}.cpp)
  target_include_directories(fuzz_${harnais} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz)
  target_compile_options(fuzz_${harnais} PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_${harnais} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_${harnais} PRIVATE nocturo_domaine_fuzz)
  # Every input of the corpus once, no mutation: the faults found stay found.
  add_test(NAME fuzz_${harnais}
    COMMAND fuzz_${harnais} -runs=0 ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${harnais})
  set_tests_properties(fuzz_${harnais} PROPERTIES TIMEOUT 120
    ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endforeach()
