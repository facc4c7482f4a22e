# The picture service's GUIDs (WIC itself is reached through COM, not imported).
target_link_libraries(nocturo PRIVATE windowscodecs)

# Windows-only test and benchmark programs, built next to nocturo.scr and run under Wine.
# They use the program's own platform code, less its entry point.
set(sources_plateforme ${NOCTURO_WIN32})
list(FILTER sources_plateforme EXCLUDE REGEX "/principal\\.cpp$|\\.rc$")
add_library(nocturo_plateforme_win32 STATIC ${sources_plateforme})
target_link_libraries(nocturo_plateforme_win32 PUBLIC nocturo_app
  gdiplus comctl32 comdlg32 shell32 ole32 user32 gdi32 winmm advapi32 windowscodecs)

foreach(programme images_test peinture_test outils_test apercu_test)
  add_executable(${programme} tests/win32/${programme}.cpp)
endforeach()
add_executable(images_bench bench/win32/images_bench.cpp)
add_executable(copie_bench bench/win32/copie_bench.cpp)
add_executable(decodage_nu_bench bench/win32/decodage_nu_bench.cpp)
target_link_libraries(decodage_nu_bench PRIVATE psapi)
add_executable(fondu_bench bench/win32/fondu_bench.cpp)
target_link_libraries(fondu_bench PRIVATE psapi)
# A stand-in for the outside viewer: it notes its command line and ends.
add_executable(visionneuse_temoin WIN32 tests/win32/visionneuse_temoin.cpp)

foreach(programme images_test peinture_test outils_test apercu_test images_bench copie_bench decodage_nu_bench
        fondu_bench visionneuse_temoin)
  target_include_directories(${programme} PRIVATE src)
  target_link_libraries(${programme} PRIVATE nocturo_plateforme_win32)
  if(MINGW)
    target_link_options(${programme} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endforeach()
if(MINGW)
  target_link_options(outils_test PRIVATE -municode)
  target_link_options(apercu_test PRIVATE -municode)
  target_link_options(visionneuse_temoin PRIVATE -municode)
endif()

# The scan against a bare walker of the same tree.
add_executable(parcours_bench bench/win32/parcours_bench.cpp)
target_include_directories(parcours_bench PRIVATE src)
target_link_libraries(parcours_bench PRIVATE nocturo_plateforme_win32)
if(MINGW)
  target_link_options(parcours_bench PRIVATE -static -static-libgcc -static-libstdc++ -municode)
endif()

# The panels at the system's resolution, with the program's manifest.
add_executable(panneaux_test tests/win32/panneaux_test.cpp tests/win32/panneaux_test.rc)
target_include_directories(panneaux_test PRIVATE src)
target_link_libraries(panneaux_test PRIVATE nocturo_plateforme_win32)
if(MINGW)
  target_link_options(panneaux_test PRIVATE -static -static-libgcc -static-libstdc++)
endif()
