# The fuzzing harnesses: one libFuzzer program per reader of outside bytes, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and one test per harness that replays its
# corpus. Included by the root in place of the product and the tests.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "NOCTURO_FUZZ veut clang (libFuzzer) : cmake --preset fuzz")
endif()
find_program(NOCTURO_ICONV iconv REQUIRED)

# Clang has no Windows-1252 execution charset: the domain's sources are compiled from
# Windows-1252 copies, whose bytes clang keeps as they stand in the string literals.
set(source_1252 ${CMAKE_BINARY_DIR}/source_1252)
set(fuzz_fichiers_domaine)
set(fuzz_sources_domaine)
foreach(dossier util settings catalogue show plateforme)
  # The Win32 layer is not among them: only the folder's own files.
  file(GLOB fichiers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dossier}/*.h ${CMAKE_SOURCE_DIR}/src/${dossier}/*.cpp)
  foreach(fichier ${fichiers})
    get_filename_component(nom ${fichier} NAME)
    set(copie ${source_1252}/${dossier}/${nom})
    add_custom_command(OUTPUT ${copie}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${source_1252}/${dossier}
      COMMAND ${NOCTURO_ICONV} -f UTF-8 -t CP1252 -o ${copie} ${fichier}
      DEPENDS ${fichier} VERBATIM)
    list(APPEND fuzz_fichiers_domaine ${copie})
    if(nom MATCHES "\\.cpp$")
      list(APPEND fuzz_sources_domaine ${copie})
    endif()
  endforeach()
endforeach()
# Every copied header exists before any source is compiled.
add_custom_target(nocturo_source_1252 DEPENDS ${fuzz_fichiers_domaine})

set(fuzz_options -Wall -Wextra -Wno-invalid-source-encoding
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

find_package(Threads REQUIRED)
add_library(nocturo_domaine_fuzz STATIC ${fuzz_sources_domaine})
add_dependencies(nocturo_domaine_fuzz nocturo_source_1252)
target_include_directories(nocturo_domaine_fuzz PUBLIC ${source_1252})
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
