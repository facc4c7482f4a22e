// The windows of the program on the desktop: each a FenetreForme over its model, plugged
// into the platform for as long as it is open.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "plateforme/fenetres.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/ecrans_noirs.h"
#include "plateforme/win32/plateforme_win32.h"

namespace nocturo::win32 {

class FenetresWin32 : public Fenetres {
public:
    explicit FenetresWin32(PlateformeWin32& p);
    ~FenetresWin32() override;
    FenetresWin32(const FenetresWin32&) = delete;
    FenetresWin32& operator=(const FenetresWin32&) = delete;

    std::unique_ptr<FenetreOuverte> ouvrir(Forme& forme, GenreFenetre genre, RappelsFenetre rappels,
                                           const std::string& titre = "") override;
    void couvrir(const std::vector<Moniteur>& moniteurs, std::function<void(int)> touche) override;
    int boucle_messages() override;
    int apercu(uint64_t parent, Fichiers& fichiers, Images& images) override;

private:
    class Ouverte;

    // Key preview of every window, the black ones first; true when the message was consumed.
    bool pretraiter(MSG& msg);
    HWND principale() const;
    void retirer(const FenetreForme* f);

    PlateformeWin32& p_;
    std::vector<FenetreForme*> ouvertes_;  // in the order they were opened
    std::vector<std::unique_ptr<EcransNoirs>> noirs_;
};

}  // namespace nocturo::win32
