// Full paths in the form that lifts the system's length limit and takes every name as it
// stands. Plain C++ on purpose: the rules are tested natively.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace nocturo::win32 {

// Shorter paths go to the system as they are. Directory creation already stops at 248
// (MAX_PATH less room for an 8.3 name), the other calls at 260.
constexpr size_t LONGUEUR_CHEMIN_COURT = 248;

// A name the system would change on its way in: a final "." or " " (dropped), or a device
// name such as "CON" or "lpt1.jpg" (the device opened instead). Other systems and network
// drives make such names; only the long form reaches them.
inline bool nom_a_proteger(std::string_view nom) {
    if (nom.empty() || nom == "." || nom == "..") return false;
    if (nom.back() == '.' || nom.back() == ' ') return true;
    std::string_view base = nom.substr(0, nom.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    std::string b;
    for (const char c : base) b += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    if (b == "CON" || b == "PRN" || b == "AUX" || b == "NUL" || b == "CONIN$" || b == "CONOUT$") return true;
    return b.size() == 4 && (b.starts_with("COM") || b.starts_with("LPT")) && b[3] >= '1' && b[3] <= '9';
}

inline bool chemin_a_proteger(std::string_view chemin) {
    for (size_t i = 0; i <= chemin.size();) {
        size_t fin = chemin.find_first_of("\\/", i);
        if (fin == std::string_view::npos) fin = chemin.size();
        if (nom_a_proteger(chemin.substr(i, fin - i))) return true;
        i = fin + 1;
    }
    return false;
}

// An absolute path at least LONGUEUR_CHEMIN_COURT long, or holding a name to protect, in
// the "\\?\" form: "C:\..." as "\\?\C:\...", "\\server\share\..." as
// "\\?\UNC\server\share\...". That form takes every name as it stands, so the system's
// own clean-up is done here: "/" made "\", doubled separators merged, "." dropped and ".."
// resolved (never above the drive or the share). Relative paths, "C:name", "\name" and
// paths already in a "\\?\" or "\\.\" form stay as they are.
inline std::string chemin_long(std::string_view chemin) {
    const auto separateur = [](char c) { return c == '\\' || c == '/'; };
    if ((chemin.size() < LONGUEUR_CHEMIN_COURT && !chemin_a_proteger(chemin)) || chemin.size() < 3)
        return std::string(chemin);
    std::string prefixe;
    size_t debut = 0;
    size_t plancher = 0;  // leading names ".." cannot climb past: the server and the share
    const char c0 = chemin[0];
    if (((c0 >= 'A' && c0 <= 'Z') || (c0 >= 'a' && c0 <= 'z')) && chemin[1] == ':' && separateur(chemin[2])) {
        prefixe = std::string("\\\\?\\") + c0 + ":";
        debut = 3;
    } else if (separateur(chemin[0]) && separateur(chemin[1]) && !separateur(chemin[2])) {
        if ((chemin[2] == '?' || chemin[2] == '.') && separateur(chemin[3])) return std::string(chemin);
        prefixe = "\\\\?\\UNC";
        debut = 2;
        plancher = 2;
    } else {
        return std::string(chemin);
    }
    std::vector<std::string_view> noms;
    for (size_t i = debut; i < chemin.size();) {
        size_t fin = i;
        while (fin < chemin.size() && !separateur(chemin[fin])) ++fin;
        const std::string_view nom = chemin.substr(i, fin - i);
        i = fin + 1;
        if (nom.empty()) continue;
        if (noms.size() < plancher) {
            // The server and the share are names, never steps.
            if (nom == "." || nom == "..") return std::string(chemin);
            noms.push_back(nom);
        } else if (nom == "..") {
            if (noms.size() > plancher) noms.pop_back();
        } else if (nom != ".") {
            noms.push_back(nom);
        }
    }
    if (noms.size() < plancher) return std::string(chemin);
    std::string r = prefixe;
    for (const std::string_view nom : noms) {
        r += '\\';
        r += nom;
    }
    // The root of a drive keeps its separator.
    if (noms.empty()) r += '\\';
    return r;
}

}  // namespace nocturo::win32
