// Text files and the safe writer.
#include "util/fichiers.h"

#include "plateforme/fichiers.h"
#include "util/erreurs.h"
#include "util/unicode.h"

#include <algorithm>
#include <optional>

namespace nocturo {

std::vector<std::string> decouper_lignes(const std::string& contenu) {
    std::vector<std::string> lignes;
    size_t debut = 0;
    for (size_t i = 0; i < contenu.size(); ++i) {
        if (contenu[i] != '\r' && contenu[i] != '\n') continue;
        lignes.push_back(contenu.substr(debut, i - debut));
        if (contenu[i] == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < contenu.size()) lignes.push_back(contenu.substr(debut));
    return lignes;
}

std::string joindre_lignes(const std::vector<std::string>& lignes) {
    size_t taille = 0;
    for (const auto& l : lignes) taille += l.size() + 2;
    std::string r;
    r.reserve(taille);
    for (const auto& l : lignes) {
        r += l;
        r += "\r\n";
    }
    return r;
}

int64_t taille_fichier(Fichiers& fichiers, const std::string& chemin) {
    return fichiers.taille_fichier(chemin);
}

namespace {

bool commence_par(std::string_view o, std::string_view debut) { return o.substr(0, debut.size()) == debut; }

// The text after a byte-order mark, or nothing when there is none.
std::optional<std::string> selon_marque(std::string_view o) {
    if (commence_par(o, MARQUE_UTF8)) return std::string(o.substr(MARQUE_UTF8.size()));
    const bool petit = commence_par(o, "\xFF\xFE"), grand = commence_par(o, "\xFE\xFF");
    if (!petit && !grand) return std::nullopt;
    std::u16string u;
    u.reserve(o.size() / 2);
    for (size_t i = 2; i + 1 < o.size(); i += 2) {
        const auto a = static_cast<unsigned char>(o[i]), b = static_cast<unsigned char>(o[i + 1]);
        u += static_cast<char16_t>(petit ? b << 8 | a : a << 8 | b);
    }
    return utf8_de_utf16(u);
}

}  // namespace

std::string texte_de_fichier(std::string_view octets) {
    if (std::optional<std::string> t = selon_marque(octets)) return std::move(*t);
    return utf8_de_1252(octets);
}

std::vector<std::string> lignes_libres(std::string_view octets) {
    if (std::optional<std::string> t = selon_marque(octets)) return decouper_lignes(*t);
    std::vector<std::string> lignes = decouper_lignes(std::string(octets));
    for (std::string& l : lignes)
        if (!utf8_valide(l)) l = utf8_de_1252(l);
    return lignes;
}

std::string octets_de_texte(std::string_view texte) {
    std::string r;
    // A line whose Windows-1252 bytes would pass for UTF-8 ("Ã©") is written in UTF-8 too,
    // so that a reader without the mark cannot take it for something else.
    if (vers_1252(texte, r) && std::ranges::all_of(decouper_lignes(r), [](const std::string& l) {
            return ascii_seul(l) || !utf8_valide(l);
        }))
        return r;
    return MARQUE_UTF8 + std::string(texte);
}

std::string octets_completes(std::string_view existant, const std::vector<std::string>& lignes) {
    std::string ajout;
    const std::optional<std::string> marquee = selon_marque(existant);
    const std::string texte = marquee ? *marquee : std::string(existant);
    if (!texte.empty() && texte.back() != '\n' && texte.back() != '\r') ajout = "\r\n";
    ajout += joindre_lignes(lignes);
    std::string r(existant);
    if (commence_par(existant, "\xFF\xFE") || commence_par(existant, "\xFE\xFF")) {
        const bool petit = existant[0] == '\xFF';
        for (const char16_t u : utf16_de_utf8(ajout)) {
            const char a = static_cast<char>(u & 0xFF), b = static_cast<char>(u >> 8);
            r += petit ? a : b;
            r += petit ? b : a;
        }
        return r;
    }
    // UTF-8 with its mark, or without one as Notepad writes it by default.
    if (marquee || (utf8_valide(existant) && !ascii_seul(existant))) return r + ajout;
    std::string en_1252;
    if (vers_1252(ajout, en_1252)) return r + en_1252;
    // A file of plain ASCII is UTF-8 as it stands.
    if (ascii_seul(existant)) return r + ajout;
    return MARQUE_UTF8 + utf8_de_1252(existant) + ajout;
}

bool lire_lignes(Fichiers& fichiers, const std::string& chemin, std::vector<std::string>& lignes) {
    std::string contenu;
    if (!fichiers.lire_octets(chemin, contenu)) return false;
    lignes = decouper_lignes(texte_de_fichier(contenu));
    return true;
}

bool lire_lignes_libres(Fichiers& fichiers, const std::string& chemin, std::vector<std::string>& lignes) {
    std::string contenu;
    if (!fichiers.lire_octets(chemin, contenu)) return false;
    lignes = lignes_libres(contenu);
    return true;
}

void ecrire_fichier_sur(Fichiers& fichiers, const std::string& chemin, const std::string& contenu) {
    // The new content goes to a file beside the old one, which is replaced only once the
    // new one is on the disk: a crash, a full disk or a power cut never leaves a
    // half-written file behind.
    const std::string temporaire = chemin + SUFFIXE_TEMPORAIRE;
    // The user is told of the file he knows, never of the one beside it.
    const auto echec = [&](Cause cause) {
        fichiers.supprimer_fichier(temporaire);
        const std::string mots = mots_de(cause);
        return ErreurES("Impossible d'enregistrer " + chemin + (mots.empty() ? "" : " : " + mots), cause, chemin);
    };
    try {
        fichiers.ecrire_octets_durables(temporaire, contenu);
    } catch (const ErreurES& e) {
        throw echec(e.cause());
    }
    if (!fichiers.remplacer_fichier(temporaire, chemin)) throw echec(fichiers.cause_echec());
}

void ecrire_lignes(Fichiers& fichiers, const std::string& chemin, const std::vector<std::string>& lignes) {
    ecrire_fichier_sur(fichiers, chemin, octets_de_texte(joindre_lignes(lignes)));
}

void supprimer_temporaire(Fichiers& fichiers, const std::string& chemin) {
    fichiers.supprimer_fichier(chemin + SUFFIXE_TEMPORAIRE);
}

}  // namespace nocturo
