// Catalogue cache: the directory list and the picture table in two files, and the marker.
#include "catalogue/cache.h"

#include <algorithm>

#include "plateforme/fichiers.h"
#include "settings/donnees.h"
#include "util/erreurs.h"
#include "util/fichiers.h"
#include "util/octets.h"
#include "util/unicode.h"

namespace nocturo {

namespace {

constexpr std::string_view SIGNATURE("NOCT\xFFIMG", 8);
constexpr uint32_t VERSION = 2;
constexpr size_t ENTETE = 16;

uint32_t lire_32(std::string_view o, size_t p) {
    const auto* u = reinterpret_cast<const unsigned char*>(o.data() + p);
    return uint32_t{u[0]} | uint32_t{u[1]} << 8 | uint32_t{u[2]} << 16 | uint32_t{u[3]} << 24;
}

CacheAbime abime(const std::string& quoi) { return CacheAbime(quoi + " dans " + FICHIER_CACHE_IMAGES); }

void verifier_ligne(int64_t indice, size_t lignes, size_t numero) {
    if (indice < 0 || indice >= static_cast<int64_t>(lignes))
        throw abime("enregistrement " + std::to_string(numero) + " incohérent");
}

Catalogue ancienne_forme(std::vector<std::string> repertoires, std::string_view table) {
    if (table.size() % TAILLE_ENREGISTREMENT != 0) throw abime("enregistrement incomplet à la fin");
    const size_t lignes = repertoires.size();
    Catalogue c(std::move(repertoires));
    const size_t n = table.size() / TAILLE_ENREGISTREMENT;
    c.reserver(n, n * 16);
    for (size_t k = 0; k < n; ++k) {
        const std::string_view e = table.substr(k * TAILLE_ENREGISTREMENT, TAILLE_ENREGISTREMENT);
        const auto longueur = static_cast<unsigned char>(e[4]);
        const int64_t indice = static_cast<int32_t>(lire_32(e, 0));
        if (longueur > LONGUEUR_NOM_ANCIENNE) throw abime("enregistrement " + std::to_string(k) + " incohérent");
        verifier_ligne(indice, lignes, k);
        c.ajouter_a_ligne(static_cast<int32_t>(indice), utf8_de_1252(e.substr(5, longueur)));
    }
    return c;
}

}  // namespace

std::string coder_table(const Catalogue& c) {
    size_t taille = ENTETE;
    for (int32_t i = 0; i < c.nombre(); ++i) taille += 6 + c.nom(i).size();
    std::string o;
    o.reserve(taille);
    o += SIGNATURE;
    ajouter_32(o, VERSION);
    ajouter_32(o, static_cast<uint32_t>(c.nombre()));
    for (int32_t i = 0; i < c.nombre(); ++i) {
        const std::string_view nom = c.nom(i);
        ajouter_32(o, static_cast<uint32_t>(c.indice_rep(i)));
        ajouter_16(o, static_cast<uint16_t>(std::min(nom.size(), OCTETS_NOM_MAX)));
        o += nom.substr(0, OCTETS_NOM_MAX);
    }
    return o;
}

Catalogue decoder_cache(std::vector<std::string> repertoires, std::string_view table) {
    if (table.substr(0, SIGNATURE.size()) != SIGNATURE) return ancienne_forme(std::move(repertoires), table);
    if (table.size() < ENTETE || lire_32(table, 8) != VERSION) throw abime("forme inconnue");
    const uint32_t n = lire_32(table, 12);
    // Each record takes 6 bytes at least: a count beyond what the file can hold is damage,
    // found before anything is reserved for it.
    if (n > (table.size() - ENTETE) / 6) throw abime("nombre d'images incohérent");
    const size_t lignes = repertoires.size();
    Catalogue c(std::move(repertoires));
    c.reserver(n, table.size() - ENTETE - size_t{n} * 6);
    size_t p = ENTETE;
    for (uint32_t k = 0; k < n; ++k) {
        if (table.size() - p < 6) throw abime("table coupée");
        const int64_t indice = static_cast<int32_t>(lire_32(table, p));
        const size_t longueur = static_cast<unsigned char>(table[p + 4]) | static_cast<size_t>(static_cast<unsigned char>(table[p + 5])) << 8;
        p += 6;
        if (longueur > OCTETS_NOM_MAX || table.size() - p < longueur) throw abime("enregistrement " + std::to_string(k) + " incohérent");
        verifier_ligne(indice, lignes, k);
        c.ajouter_a_ligne(static_cast<int32_t>(indice), table.substr(p, longueur));
        p += longueur;
    }
    if (p != table.size()) throw abime("octets en trop à la fin");
    return c;
}

void ecrire_cache(const Catalogue& catalogue, Fichiers& fichiers) {
    // No marker while the pair is being replaced: a failure half way must not leave a new
    // directory list beside an old picture table for the next start to trust.
    fichiers.supprimer_fichier(FICHIER_MARQUEUR);
    if (catalogue.vide()) return;
    ecrire_lignes(fichiers, FICHIER_CACHE_REP, catalogue.repertoires());
    ecrire_fichier_sur(fichiers, FICHIER_CACHE_IMAGES, coder_table(catalogue));
    fichiers.ecrire_octets(FICHIER_MARQUEUR, "");
}

Catalogue lire_cache(Fichiers& fichiers) {
    std::vector<std::string> lignes;
    if (!lire_lignes(fichiers, FICHIER_CACHE_REP, lignes))
        throw ErreurES("Fichier introuvable : " + FICHIER_CACHE_REP);
    std::string octets;
    if (!fichiers.lire_octets(FICHIER_CACHE_IMAGES, octets))
        throw ErreurES("Fichier introuvable : " + FICHIER_CACHE_IMAGES);
    return decoder_cache(std::move(lignes), octets);
}

}  // namespace nocturo
