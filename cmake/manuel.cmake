# The user manual: a French groff source (docs/manuel) made into a PDF at build time and
# carried inside nocturo.scr as the resource ID_MANUEL. A machine without groff's PDF
# output builds the program without it; the program then says that its manual is missing.
#
# Run as a script (cmake -DGROFF=... -DSOURCE=... -DPDF=... -P manuel.cmake) it makes the
# PDF, and fails on any groff warning, so that a slip in the source does not reach users.

if(CMAKE_SCRIPT_MODE_FILE)
  get_filename_component(dossier_source ${SOURCE} DIRECTORY)
  # -k: the source is UTF-8 (preconv); -t: tables; -mfr: French hyphenation.
  execute_process(
    COMMAND ${GROFF} -k -t -mfr -ms -Tpdf -dpaper=a4 -P-pa4 -ww ${SOURCE}
    WORKING_DIRECTORY ${dossier_source}
    OUTPUT_FILE ${PDF}.tmp
    ERROR_VARIABLE erreurs
    RESULT_VARIABLE resultat)
  if(NOT resultat EQUAL 0 OR NOT erreurs STREQUAL "")
    file(REMOVE ${PDF}.tmp)
    message(FATAL_ERROR "groff on ${SOURCE} (code ${resultat}):\n${erreurs}")
  endif()
  file(RENAME ${PDF}.tmp ${PDF})
  return()
endif()

set(manuel_source ${CMAKE_CURRENT_SOURCE_DIR}/docs/manuel/manuel.ms)
set(manuel_dossier ${CMAKE_CURRENT_BINARY_DIR}/manuel)
set(manuel_pdf ${manuel_dossier}/Nocturo_Manuel.pdf)
set(manuel_rc ${CMAKE_CURRENT_SOURCE_DIR}/src/plateforme/win32/nocturo.rc)

find_program(NOCTURO_GROFF groff)
# Debian's groff-base has groff but not its PDF device.
find_program(NOCTURO_GROPDF gropdf)
if(NOT NOCTURO_GROFF OR NOT NOCTURO_GROPDF)
  message(WARNING "groff or gropdf is missing: nocturo.scr is built without its manual")
  return()
endif()

file(MAKE_DIRECTORY ${manuel_dossier})
add_custom_command(OUTPUT ${manuel_pdf}
  COMMAND ${CMAKE_COMMAND} -DGROFF=${NOCTURO_GROFF} -DSOURCE=${manuel_source} -DPDF=${manuel_pdf}
          -P ${CMAKE_CURRENT_LIST_FILE}
  DEPENDS ${manuel_source} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Manuel : ${manuel_pdf}"
  VERBATIM)
add_custom_target(nocturo_manuel DEPENDS ${manuel_pdf})

# The resource script names the PDF alone: the resource compiler finds it on its include
# path, and builds it in only when told the manual exists.
set_property(SOURCE ${manuel_rc} APPEND PROPERTY COMPILE_DEFINITIONS NOCTURO_MANUEL)
set_property(SOURCE ${manuel_rc} APPEND PROPERTY INCLUDE_DIRECTORIES ${manuel_dossier})
set_property(SOURCE ${manuel_rc} APPEND PROPERTY OBJECT_DEPENDS ${manuel_pdf})
add_dependencies(nocturo nocturo_manuel)

# A Windows test program built with the same resource script, run under Wine by the
# end-to-end scenario manuel_integre.
if(TARGET nocturo_plateforme_win32)
  add_executable(manuel_test tests/win32/manuel_test.cpp ${manuel_rc})
  add_dependencies(manuel_test nocturo_manuel)
  target_include_directories(manuel_test PRIVATE src)
  target_link_libraries(manuel_test PRIVATE nocturo_plateforme_win32)
  if(MINGW)
    target_link_options(manuel_test PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endif()
