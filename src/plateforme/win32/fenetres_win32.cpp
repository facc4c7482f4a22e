#include "plateforme/win32/fenetres_win32.h"

#include <algorithm>

#include "plateforme/win32/apercu.h"

namespace nocturo::win32 {

class FenetresWin32::Ouverte : public FenetreOuverte {
public:
    Ouverte(FenetresWin32& fenetres, Forme& forme, StyleFenetre style, Rappels rappels, const std::string& titre)
        : fenetres_(fenetres), f_(forme, style, std::move(rappels), titre) {
        fenetres_.ouvertes_.push_back(&f_);
        fenetres_.p_.proprietaire = fenetres_.principale();
    }
    ~Ouverte() override { fenetres_.retirer(&f_); }
    Ouverte(const Ouverte&) = delete;
    Ouverte& operator=(const Ouverte&) = delete;

    void afficher() override { f_.afficher(); }
    bool visible() const override { return IsWindowVisible(f_.poignee()) != FALSE; }
    void fermer() override { DestroyWindow(f_.poignee()); }

private:
    FenetresWin32& fenetres_;
    FenetreForme f_;
};

FenetresWin32::FenetresWin32(PlateformeWin32& p) : p_(p) {
    // Set once, not at each window: the preview runs key handlers, which may open or close
    // windows while it runs.
    p_.filtrer = [this](MSG& m) { return pretraiter(m); };
    p_.synchroniser = [this] {
        for (size_t i = 0; i < ouvertes_.size(); ++i) ouvertes_[i]->synchroniser();
    };
}

FenetresWin32::~FenetresWin32() {
    p_.proprietaire = nullptr;
    p_.filtrer = nullptr;
    p_.synchroniser = nullptr;
}

std::unique_ptr<FenetreOuverte> FenetresWin32::ouvrir(Forme& forme, GenreFenetre genre, RappelsFenetre rappels,
                                                      const std::string& titre) {
    Rappels r;
    r.executer = std::move(rappels.executer);
    r.touche = std::move(rappels.touche);
    r.activation = std::move(rappels.activation);
    StyleFenetre style = StyleFenetre::dialogue;
    if (genre == GenreFenetre::plein_ecran) {
        style = StyleFenetre::plein_ecran;
        r.curseur_masque = [this] { return p_.curseur_masque(); };
    }
    return std::make_unique<Ouverte>(*this, forme, style, std::move(r), titre);
}

void FenetresWin32::couvrir(const std::vector<Moniteur>& moniteurs, std::function<void(int)> touche) {
    noirs_.push_back(std::make_unique<EcransNoirs>(std::move(touche)));
    noirs_.back()->couvrir(moniteurs, principale());
}

bool FenetresWin32::pretraiter(MSG& msg) {
    for (size_t i = 0; i < noirs_.size(); ++i)
        if (noirs_[i]->pretraiter(msg)) return true;
    for (size_t i = 0; i < ouvertes_.size(); ++i)
        if (ouvertes_[i]->pretraiter(msg)) return true;
    return false;
}

HWND FenetresWin32::principale() const { return ouvertes_.empty() ? nullptr : ouvertes_.front()->poignee(); }

void FenetresWin32::retirer(const FenetreForme* f) {
    ouvertes_.erase(std::remove(ouvertes_.begin(), ouvertes_.end(), f), ouvertes_.end());
    p_.proprietaire = principale();
}

int FenetresWin32::boucle_messages() {
    const HWND principale_ = principale();
    MSG msg;
    while (true) {
        p_.mettre_a_jour();
        const BOOL r = GetMessageW(&msg, nullptr, 0, 0);
        if (r < 0) return 0;
        if (r == 0) {
            // Every window posts the end as it goes; only the main one's ends the program.
            if (principale_ && IsWindow(principale_)) continue;
            return static_cast<int>(msg.wParam);
        }
        if (pretraiter(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int FenetresWin32::apercu(uint64_t parent, Fichiers& fichiers, Images& images) {
    return lancer_apercu(parent, fichiers, images);
}

}  // namespace nocturo::win32
