// The manual carried as a resource: what the program reads of its own (this test program
// is built with nocturo.rc, as nocturo.scr is) and what nocturo.scr itself holds are the
// PDF the build made, byte for byte. The bytes found in nocturo.scr are written out, so
// that the caller can open them as a PDF. One line a check; exit code 1 when any fails.
//   manuel_test.exe <the PDF built> <nocturo.scr> <where to write what nocturo.scr holds>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/ressources.h"

using namespace nocturo;

namespace {

int echecs = 0;

void verifier(bool bon, const std::string& cas) {
    std::printf("%s %s\n", bon ? "ok" : "ECHEC", cas.c_str());
    echecs += bon ? 0 : 1;
}

bool lire(const char* chemin, std::string& contenu) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

// The resource as another module holds it: loaded as data, never run.
bool manuel_de(const char* module_chemin, std::string& contenu) {
    const HMODULE m = LoadLibraryExA(module_chemin, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!m) return false;
    bool trouve = false;
    if (const HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(ID_MANUEL), MAKEINTRESOURCEW(10))) {  // RT_RCDATA
        const HGLOBAL g = LoadResource(m, r);
        const void* octets = g ? LockResource(g) : nullptr;
        if (octets) {
            contenu.assign(static_cast<const char*>(octets), SizeofResource(m, r));
            trouve = true;
        }
    }
    FreeLibrary(m);
    return trouve;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::printf("usage : manuel_test.exe <PDF construit> <nocturo.scr> <copie>\n");
        return 2;
    }
    std::string construit;
    verifier(lire(argv[1], construit) && construit.rfind("%PDF-", 0) == 0,
             std::string("le PDF construit se lit et commence en PDF : ") + argv[1]);

    win32::PlateformeWin32 p;
    const std::string propre = p.manuel_integre();
    verifier(!propre.empty() && propre == construit,
             "manuel_integre() rend le PDF construit (" + std::to_string(propre.size()) + " octets pour " +
                 std::to_string(construit.size()) + ")");

    std::string porte;
    const bool trouve = manuel_de(argv[2], porte);
    verifier(trouve && porte == construit, std::string("nocturo.scr porte le PDF construit (") +
                                               std::to_string(porte.size()) + " octets) : " + argv[2]);
    std::ofstream copie(argv[3], std::ios::binary);
    copie.write(porte.data(), static_cast<std::streamsize>(porte.size()));
    copie.close();
    verifier(static_cast<bool>(copie), std::string("copie écrite : ") + argv[3]);

    std::printf("%d echec(s)\n", echecs);
    return echecs ? 1 : 0;
}
