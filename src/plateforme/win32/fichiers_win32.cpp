// Files of the platform, through the wide calls with names converted from UTF-8.
// Full paths past the system's limit go in their long form; the walk opens each folder
// from its parent's handle, so no path is looked up whole.
#include <algorithm>

#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/poignees.h"
#include "plateforme/win32/texte_win32.h"
#include "util/erreurs.h"

#include <winternl.h>

namespace nocturo::win32 {

namespace {

// Large blocks keep the cache files quick to read and write.
constexpr DWORD BLOC = 1 << 22;

DWORD attributs(const std::string& chemin) { return GetFileAttributesW(large_chemin(chemin).c_str()); }

bool infos(const std::string& chemin, WIN32_FILE_ATTRIBUTE_DATA& d) {
    return GetFileAttributesExW(large_chemin(chemin).c_str(), GetFileExInfoStandard, &d) != 0;
}

int64_t taille_de(DWORD haut, DWORD bas) {
    return static_cast<int64_t>((static_cast<uint64_t>(haut) << 32) | bas);
}

double jours_creation(const FILETIME& utc) {
    FILETIME local;
    FileTimeToLocalFileTime(&utc, &local);
    return jours_de(local);
}

EntreeRepertoire entree(std::wstring_view nom, DWORD attributs, DWORD etiquette, int64_t taille,
                        const FILETIME& creation) {
    EntreeRepertoire e;
    e.nom = etroit(nom);
    e.attributs = attributs & (ATTR_LECTURE_SEULE | ATTR_CACHE | ATTR_SYSTEME | ATTR_REPERTOIRE |
                               ATTR_ARCHIVE | ATTR_REPARSE);
    if (e.attributs & ATTR_REPARSE) e.etiquette = etiquette;
    e.taille = taille;
    e.creation = jours_creation(creation);
    return e;
}

// A folder held by its handle, opened for listing only; others may rename or delete it
// meanwhile, as they could while it was listed by its path.
class RepertoireWin32 : public RepertoireOuvert {
public:
    RepertoireWin32(std::string c, HANDLE h) : RepertoireOuvert(std::move(c)), poignee(h) {}
    const Fichier poignee;
};

constexpr DWORD PARTAGE_TOUT = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::unique_ptr<RepertoireOuvert> ouvrir_par_chemin(const std::string& chemin) {
    // Backup semantics is what lets CreateFile open a directory.
    HANDLE h = CreateFileW(large_chemin(chemin).c_str(), FILE_LIST_DIRECTORY, PARTAGE_TOUT, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<RepertoireWin32>(chemin, h);
}

using NtOpenFileFn = decltype(&NtOpenFile);

// Taken from ntdll when first needed: it is in every Windows, but not in every import
// library.
NtOpenFileFn nt_open_file() {
    static const NtOpenFileFn f = [] {
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll ? reinterpret_cast<NtOpenFileFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtOpenFile")))
                     : nullptr;
    }();
    return f;
}

// Room for a few hundred entries a call.
constexpr DWORD TAMPON_LISTE = 64 * 1024;

}  // namespace

double jours_de(const FILETIME& local) {
    // File times count 100 ns steps from 1601-01-01, which is 109205 days before 1899-12-30.
    const uint64_t pas = (static_cast<uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime;
    return static_cast<double>(pas) / 864000000000.0 - 109205.0;
}

bool PlateformeWin32::fichier_existe(const std::string& chemin) {
    const DWORD a = attributs(chemin);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool PlateformeWin32::repertoire_existe(const std::string& chemin) {
    const DWORD a = attributs(chemin);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t PlateformeWin32::taille_fichier(const std::string& chemin) {
    WIN32_FILE_ATTRIBUTE_DATA d;
    if (!infos(chemin, d) || (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return -1;
    return taille_de(d.nFileSizeHigh, d.nFileSizeLow);
}

bool PlateformeWin32::supprimer_fichier(const std::string& chemin) {
    return DeleteFileW(large_chemin(chemin).c_str()) != 0;
}

bool PlateformeWin32::lire_octets(const std::string& chemin, std::string& contenu) {
    Fichier f(CreateFileW(large_chemin(chemin).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (f.get() == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER taille;
    if (!GetFileSizeEx(f.get(), &taille)) return false;
    contenu.assign(static_cast<size_t>(taille.QuadPart), '\0');
    size_t lu = 0;
    while (lu < contenu.size()) {
        DWORD n = 0;
        const DWORD voulu = static_cast<DWORD>(std::min<size_t>(BLOC, contenu.size() - lu));
        if (!ReadFile(f.get(), contenu.data() + lu, voulu, &n, nullptr))
            throw ErreurES("Erreur de lecture dans le fichier " + chemin, cause_du_code(GetLastError()), chemin);
        if (n == 0) break;  // the file shrank while being read
        lu += n;
    }
    contenu.resize(lu);
    return true;
}

namespace {

void ecrire(const std::string& chemin, std::string_view contenu, bool durable) {
    Fichier f(CreateFileW(large_chemin(chemin).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    const auto echec = [&](const char* quoi) { return ErreurES(quoi + chemin, cause_du_code(GetLastError()), chemin); };
    if (f.get() == INVALID_HANDLE_VALUE) throw echec("Impossible de créer le fichier ");
    size_t ecrit = 0;
    while (ecrit < contenu.size()) {
        DWORD n = 0;
        const DWORD voulu = static_cast<DWORD>(std::min<size_t>(BLOC, contenu.size() - ecrit));
        if (!WriteFile(f.get(), contenu.data() + ecrit, voulu, &n, nullptr) || n == 0)
            throw echec("Erreur d'écriture dans le fichier ");
        ecrit += n;
    }
    // Out of the system's cache before it replaces anything: after a power cut the old
    // file or the new one is there whole.
    if (durable && !FlushFileBuffers(f.get())) throw echec("Erreur d'écriture dans le fichier ");
}

}  // namespace

bool PlateformeWin32::lire_debut(const std::string& chemin, size_t octets, std::string& contenu) {
    Fichier f(CreateFileW(large_chemin(chemin).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (f.get() == INVALID_HANDLE_VALUE) return false;
    contenu.assign(std::min<size_t>(octets, BLOC), '\0');
    DWORD n = 0;
    if (!ReadFile(f.get(), contenu.data(), static_cast<DWORD>(contenu.size()), &n, nullptr)) return false;
    contenu.resize(n);
    return true;
}

void PlateformeWin32::ecrire_octets(const std::string& chemin, std::string_view contenu) {
    ecrire(chemin, contenu, false);
}

void PlateformeWin32::ecrire_octets_durables(const std::string& chemin, std::string_view contenu) {
    ecrire(chemin, contenu, true);
}

bool PlateformeWin32::remplacer_fichier(const std::string& source, const std::string& destination) {
    return MoveFileExW(large_chemin(source).c_str(), large_chemin(destination).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool PlateformeWin32::copier_fichier(const std::string& source, const std::string& destination,
                                     bool refuser_si_existe) {
    return CopyFileW(large_chemin(source).c_str(), large_chemin(destination).c_str(), refuser_si_existe) != 0;
}

bool PlateformeWin32::deplacer_fichier(const std::string& source, const std::string& destination) {
    return MoveFileW(large_chemin(source).c_str(), large_chemin(destination).c_str()) != 0;
}

bool PlateformeWin32::creer_repertoire(const std::string& chemin) {
    return CreateDirectoryW(large_chemin(chemin).c_str(), nullptr) != 0;
}

bool PlateformeWin32::lister_repertoire(const std::string& repertoire,
                                        std::vector<EntreeRepertoire>& entrees) {
    entrees.clear();
    std::string motif = repertoire;
    if (motif.empty() || (motif.back() != '\\' && motif.back() != '/')) motif += '\\';
    motif += '*';
    WIN32_FIND_DATAW d;
    Recherche r(FindFirstFileW(large_chemin(motif).c_str(), &d));
    if (r.get() == INVALID_HANDLE_VALUE) {
        // An empty drive root has not even "." and "..".
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        // The listing gives a reparse point's tag in dwReserved0.
        entrees.push_back(entree(d.cFileName, d.dwFileAttributes, d.dwReserved0,
                                 taille_de(d.nFileSizeHigh, d.nFileSizeLow), d.ftCreationTime));
    } while (FindNextFileW(r.get(), &d));
    return true;
}

std::unique_ptr<RepertoireOuvert> PlateformeWin32::ouvrir_repertoire(const std::string& chemin) {
    if (!repertoire_existe(chemin)) return nullptr;
    return ouvrir_par_chemin(chemin);
}

std::unique_ptr<RepertoireOuvert> PlateformeWin32::ouvrir_sous_repertoire(const RepertoireOuvert& parent,
                                                                          const std::string& nom) {
    std::string chemin = parent.chemin + "\\" + nom;
    const auto* p = dynamic_cast<const RepertoireWin32*>(&parent);
    const NtOpenFileFn ouvrir = nt_open_file();
    std::wstring n = large(nom);
    if (!p || !ouvrir || n.size() * sizeof(WCHAR) > 0xFFFE) return ouvrir_par_chemin(chemin);
    UNICODE_STRING u;
    u.Buffer = n.data();
    u.Length = u.MaximumLength = static_cast<USHORT>(n.size() * sizeof(WCHAR));
    OBJECT_ATTRIBUTES oa;
    InitializeObjectAttributes(&oa, &u, OBJ_CASE_INSENSITIVE, p->poignee.get(), nullptr);
    IO_STATUS_BLOCK io{};
    HANDLE h = nullptr;
    // No FILE_OPEN_REPARSE_POINT: a cloud placeholder is opened as the folder it stands for
    // (the walk never comes here for a link).
    const NTSTATUS etat = ouvrir(&h, FILE_LIST_DIRECTORY | SYNCHRONIZE, &oa, &io, PARTAGE_TOUT,
                                 FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_FOR_BACKUP_INTENT);
    if (!NT_SUCCESS(etat)) return nullptr;
    return std::make_unique<RepertoireWin32>(std::move(chemin), h);
}

bool PlateformeWin32::lister_ouvert(RepertoireOuvert& r, std::vector<EntreeRepertoire>& entrees) {
    auto* o = dynamic_cast<RepertoireWin32*>(&r);
    if (!o) return lister_repertoire(r.chemin, entrees);
    entrees.clear();
    std::vector<LONGLONG> tampon(TAMPON_LISTE / sizeof(LONGLONG));  // aligned as the records need
    for (FILE_INFO_BY_HANDLE_CLASS classe = FileIdBothDirectoryRestartInfo;; classe = FileIdBothDirectoryInfo) {
        if (!GetFileInformationByHandleEx(o->poignee.get(), classe, tampon.data(), TAMPON_LISTE)) {
            // An empty drive root has not even "." and ".."; a failure further on keeps what
            // was listed, as FindNextFile does.
            const DWORD erreur = GetLastError();
            return classe != FileIdBothDirectoryRestartInfo || erreur == ERROR_NO_MORE_FILES ||
                   erreur == ERROR_FILE_NOT_FOUND;
        }
        for (const char* p = reinterpret_cast<const char*>(tampon.data());;) {
            const auto* i = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(p);
            const FILETIME creation{i->CreationTime.LowPart, static_cast<DWORD>(i->CreationTime.HighPart)};
            // For this record a reparse point's tag is in EaSize.
            entrees.push_back(entree(std::wstring_view(i->FileName, i->FileNameLength / sizeof(WCHAR)),
                                     i->FileAttributes, i->EaSize, i->EndOfFile.QuadPart, creation));
            if (i->NextEntryOffset == 0) break;
            p += i->NextEntryOffset;
        }
    }
}

bool PlateformeWin32::date_creation(const std::string& chemin, double& jours) {
    WIN32_FILE_ATTRIBUTE_DATA d;
    if (!infos(chemin, d)) return false;
    jours = jours_creation(d.ftCreationTime);
    return true;
}

}  // namespace nocturo::win32
