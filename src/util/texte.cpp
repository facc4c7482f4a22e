// The text routines of the program and the tone generator.
#include "util/texte.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "plateforme/dialogues.h"
#include "util/erreurs.h"
#include "util/octets.h"
#include "util/unicode.h"

namespace nocturo {

namespace {

// Both rows of the accent folding, position by position.
constexpr std::u32string_view ACCENTS = U"ÀÁÂÃÄÅàáâãäåÈÉÊËèéêëÌÍÎÏìíîïÒÓÔÕÖØòóôõöøÙÚÛÜùúûüÝŸýÿÇçÑñ";
constexpr std::string_view SANS_ACCENT = "AAAAAAaaaaaaEEEEeeeeIIIIiiiiOOOOOOooooooUUUUuuuuYYyyCcNn";
static_assert(ACCENTS.size() == 56 && SANS_ACCENT.size() == 56);

constexpr int TAUX_ECHANTILLONNAGE = 11025;

bool est_chiffre(char c) { return c >= '0' && c <= '9'; }

bool accent_combinant(char32_t p) { return p >= 0x300 && p <= 0x36F; }

}  // namespace

std::string sans_accents(const std::string& texte) {
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size();) {
        char32_t c = point_suivant(texte, i);
        // A letter followed by its accent as a mark of its own (names written on a Mac)
        // folds as the accented letter does: to itself.
        size_t j = i;
        bool accentuee = false;
        while (j < texte.size()) {
            const size_t k = j;
            if (!accent_combinant(point_suivant(texte, j))) {
                j = k;
                break;
            }
            accentuee = true;
        }
        i = j;
        if (!accentuee && c >= 'a' && c <= 'z') c = c - 'a' + 'A';
        // Letters Windows-1252 never had (Cyrillic, Greek...) fold their case too, so that
        // "москва" finds "Москва"; the others fold as they always did.
        if (c > 0xFF && !point_en_1252(c)) c = majuscule_de(c);
        if (c == ' ' || c == '-') continue;
        const size_t p = ACCENTS.find(c);
        if (p != std::u32string_view::npos)
            r += SANS_ACCENT[p];
        else
            ajouter_point(r, c);
    }
    return r;
}

void masque_chiffres(char chiffre, std::string& texte, char autre) {
    // One mark a character: the positions in the mask are the text's positions in characters.
    std::string r;
    r.reserve(texte.size() + 1);
    for (size_t i = 0; i < texte.size();) {
        const char32_t c = point_suivant(texte, i);
        r += c >= '0' && c <= '9' ? chiffre : autre;
    }
    r += autre;
    texte = std::move(r);
}

void sans_lettres(std::string& texte) {
    std::erase_if(texte, [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 65 && u <= 122;
    });
}

void separe_nom_numero(const std::string& texte, std::string& prefixe, int32_t& numero,
                       Dialogues& dialogues) {
    std::string chiffres;
    prefixe.clear();
    for (char c : texte.substr(0, texte.find('.'))) (est_chiffre(c) ? chiffres : prefixe) += c;
    numero = entier_de(chiffres, 0, dialogues);
}

void remplace_premier(const std::string& cherche, const std::string& remplacement,
                      std::string& texte) {
    const size_t p = texte.find(cherche);
    if (cherche.empty() || p == std::string::npos) return;
    // The tail is copied with a count of 255 characters, as it always was.
    const std::u32string queue = points_de(std::string_view(texte).substr(p + cherche.size()));
    texte = texte.substr(0, p) + remplacement + utf8_de_points(std::u32string_view(queue).substr(0, 255));
}

void repare_utf8(std::string& texte) {
    // UTF-8 read as Windows-1252, in the program's text: what each sequence stood for.
    static const std::pair<std::string_view, std::string_view> REPARATIONS[] = {
        {"Ã©", "é"}, {"ÃƒÂ©", "é"}, {"Â°", "°"}, {"Ã´", "ô"}, {"Ã¨", "è"},
        {"Ã§", "ç"}, {"Ã\u00A0", "à"}, {"Ã¢", "â"}, {"Ãª", "ê"}, {"Ã®", "î"},
        {"Ã»", "û"}, {"Ã¸", "°"}, {"â€š", "é"}, {"Ã¹", "ù"}, {"Ã¯", "ï"},
        {"Ã¼", "ü"}, {"Ã¤", "ä"}, {"Ã¶", "ö"}, {"Ã‰", "É"},
    };
    if (texte.find("Â") == std::string::npos && texte.find("Ã") == std::string::npos &&
        texte.find("â") == std::string::npos)
        return;
    // One pass: each character joins the output, and a sequence that the output now ends
    // with is replaced at once, again while a replacement completes another one (Ã¢ gives
    // the â that may start â€š). Linear however long the line.
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size();) {
        ajouter_point(r, point_suivant(texte, i));
        for (bool encore = true; encore;) {
            encore = false;
            for (const auto& [cherche, par] : REPARATIONS) {
                if (r.size() >= cherche.size() && r.compare(r.size() - cherche.size(), cherche.size(), cherche) == 0) {
                    r.resize(r.size() - cherche.size());
                    r += par;
                    encore = true;
                    break;
                }
            }
        }
    }
    texte = std::move(r);
}

int compte_car(char c, const std::string& texte) {
    return static_cast<int>(std::count(texte.begin(), texte.end(), c));
}

std::string deux_chiffres(const std::string& texte) {
    std::string r = coupe(texte);
    return nombre_de_points(r) == 1 ? "0" + r : r;
}

void borne(int& valeur, int bas, int haut) {
    if (valeur < bas) valeur = bas;
    if (valeur > haut) valeur = haut;
}

int32_t entier_de(const std::string& texte, int32_t defaut, Dialogues& dialogues) {
    const std::string t = coupe(texte);
    if (t.empty()) return defaut;
    try {
        return str_to_int(t);
    } catch (const ErreurConversion& e) {
        dialogues.message(std::string(e.nom_classe()) + "\n\r" + e.what());
        return 0;
    }
}

std::string coupe_droite(const std::string& texte) {
    const size_t fin = texte.find_last_not_of(' ');
    return fin == std::string::npos ? std::string() : texte.substr(0, fin + 1);
}

std::string coupe_gauche(const std::string& texte) {
    if (texte.empty()) return texte;
    // The last character always stays: spaces only give one space.
    const size_t debut = std::min(texte.find_first_not_of(' '), texte.size() - 1);
    return texte.substr(debut);
}

std::string coupe(const std::string& texte) { return coupe_droite(coupe_gauche(texte)); }

std::string extrait(const std::string& texte, int n, char delimiteur) {
    const std::string double_delimiteur(2, delimiteur);
    std::string t = texte;
    for (size_t p; (p = t.find(double_delimiteur)) != std::string::npos;) t.erase(p, 1);
    if (t.empty()) return "_extraitUTIL.PAS<" + texte + ">";
    if (t.front() != delimiteur) t.insert(t.begin(), delimiteur);
    if (t.back() != delimiteur) t += delimiteur;
    // 1-based positions, 0 when absent; each delimiter passed is overwritten so that the
    // next search finds the following one.
    auto position = [&] { return static_cast<int>(t.find(delimiteur) + 1); };
    int debut = 0, suivant = 0;
    for (int i = 0; i < n; ++i) {
        debut = position();
        if (debut > 0) t[static_cast<size_t>(debut - 1)] = '"';
        suivant = position();
    }
    const int longueur = suivant - debut - 1;
    if (longueur <= 0) return {};
    return coupe_gauche(coupe_droite(t.substr(static_cast<size_t>(debut), static_cast<size_t>(longueur))));
}

void remplace_car(char de, char vers, std::string& texte) {
    for (char& c : texte)
        if (c == de) c = vers;
}

std::string image_tonalite(int frequence, int duree_ms, int volume) {
    const int64_t n64 = static_cast<int64_t>(duree_ms) * TAUX_ECHANTILLONNAGE / 1000;
    const auto n = static_cast<uint32_t>(n64 > 0 ? n64 : 0);
    std::string s = "RIFF";
    ajouter_32(s, n + 38);
    s += "WAVEfmt ";
    ajouter_32(s, 18);
    ajouter_16(s, 1);  // PCM
    ajouter_16(s, 1);  // mono
    ajouter_32(s, TAUX_ECHANTILLONNAGE);
    ajouter_32(s, TAUX_ECHANTILLONNAGE);  // bytes per second at one byte a sample
    ajouter_16(s, 1);
    ajouter_16(s, 8);
    ajouter_16(s, 0);
    s += "data";
    ajouter_32(s, n);
    const double pas = frequence * 2 * std::numbers::pi / TAUX_ECHANTILLONNAGE;
    for (uint32_t i = 0; i < n; ++i) {
        const auto echantillon = static_cast<int>(std::sin(i * pas) * volume) + 127;
        s += static_cast<char>(echantillon & 0xFF);
    }
    return s;
}

void joue_tonalite(Dialogues& dialogues, int frequence, int duree_ms, int volume) {
    // 0.6 times the rate, in integers: 6615 Hz.
    if (frequence > TAUX_ECHANTILLONNAGE * 3 / 5) {
        dialogues.message("Un taux d'échantillonage de " + std::to_string(TAUX_ECHANTILLONNAGE) +
                          " est trop bas pour jouer une tonalité de " + std::to_string(frequence) +
                          "Hz");
        return;
    }
    dialogues.jouer_son(image_tonalite(frequence, duree_ms, volume));
}

}  // namespace nocturo
