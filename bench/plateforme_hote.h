// The simulated machine with its drive C: mapped to a real directory of the host, so the
// benchmark walks and writes a real file system. Only the file services are the host's.
#pragma once
#include <filesystem>
#include <fstream>
#include <system_error>

#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"

namespace nocturo::banc {

class PlateformeHote : public test::PlateformeSimulee {
public:
    explicit PlateformeHote(std::filesystem::path racine) : racine_(std::move(racine)) {}

    // "C:\a\b" is racine/a/b.
    std::filesystem::path hote(const std::string& chemin) const {
        std::filesystem::path p = racine_;
        size_t debut = chemin.size() >= 2 && chemin[1] == ':' ? 2 : 0;
        while (debut < chemin.size()) {
            size_t fin = chemin.find('\\', debut);
            if (fin == std::string::npos) fin = chemin.size();
            if (fin > debut) p /= chemin.substr(debut, fin - debut);
            debut = fin + 1;
        }
        return p;
    }

    bool fichier_existe(const std::string& c) override {
        std::error_code ec;
        return std::filesystem::is_regular_file(hote(c), ec);
    }
    bool repertoire_existe(const std::string& c) override {
        std::error_code ec;
        return std::filesystem::is_directory(hote(c), ec);
    }
    int64_t taille_fichier(const std::string& c) override {
        std::error_code ec;
        const auto t = std::filesystem::file_size(hote(c), ec);
        return ec ? -1 : static_cast<int64_t>(t);
    }
    bool supprimer_fichier(const std::string& c) override {
        std::error_code ec;
        return std::filesystem::remove(hote(c), ec);
    }
    bool lire_octets(const std::string& c, std::string& contenu) override {
        std::ifstream f(hote(c), std::ios::binary | std::ios::ate);
        if (!f) return false;
        contenu.resize(static_cast<size_t>(f.tellg()));
        f.seekg(0);
        f.read(contenu.data(), static_cast<std::streamsize>(contenu.size()));
        if (!f) throw ErreurES("Erreur de lecture " + c);
        return true;
    }
    bool lire_debut(const std::string& c, size_t octets, std::string& contenu) override {
        std::ifstream f(hote(c), std::ios::binary);
        if (!f) return false;
        contenu.assign(octets, '\0');
        f.read(contenu.data(), static_cast<std::streamsize>(octets));
        contenu.resize(static_cast<size_t>(f.gcount()));
        return true;
    }
    void ecrire_octets(const std::string& c, std::string_view contenu) override {
        std::ofstream f(hote(c), std::ios::binary | std::ios::trunc);
        f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
        if (!f) throw ErreurES("Erreur d'écriture " + c);
    }
    void ecrire_octets_durables(const std::string& c, std::string_view contenu) override {
        ecrire_octets(c, contenu);
    }
    bool remplacer_fichier(const std::string& source, const std::string& destination) override {
        std::error_code ec;
        std::filesystem::rename(hote(source), hote(destination), ec);
        return !ec;
    }
    bool copier_fichier(const std::string& source, const std::string& destination, bool refuser) override {
        std::error_code ec;
        const auto option = refuser ? std::filesystem::copy_options::none
                                    : std::filesystem::copy_options::overwrite_existing;
        return std::filesystem::copy_file(hote(source), hote(destination), option, ec);
    }
    bool lister_repertoire(const std::string& repertoire, std::vector<EntreeRepertoire>& entrees) override {
        entrees.clear();
        std::error_code ec;
        std::filesystem::directory_iterator it(hote(repertoire), ec);
        if (ec) return false;
        for (const char* point : {".", ".."}) {
            EntreeRepertoire e;
            e.nom = point;
            e.attributs = ATTR_REPERTOIRE;
            entrees.push_back(e);
        }
        for (const auto& d : it) {
            EntreeRepertoire e;
            e.nom = d.path().filename().string();
            if (d.is_directory(ec)) {
                e.attributs = ATTR_REPERTOIRE;
            } else {
                e.attributs = ATTR_ARCHIVE;
                e.taille = static_cast<int64_t>(d.file_size(ec));
            }
            entrees.push_back(std::move(e));
        }
        return true;
    }

private:
    std::filesystem::path racine_;
};

}  // namespace nocturo::banc
