// The causes of a refused operation, in the user's words.
#include "util/erreurs.h"

namespace nocturo {

std::string mots_de(Cause cause) {
    switch (cause) {
        case Cause::disque_plein: return "le disque est plein";
        case Cause::lecture_seule: return "le disque ou le dossier est en lecture seule";
        case Cause::acces_refuse: return "l'accès est refusé";
        case Cause::introuvable: return "le dossier ou le disque est introuvable";
        case Cause::reseau: return "le réseau ne répond pas";
        case Cause::occupe: return "le fichier est ouvert par un autre programme";
        case Cause::inconnue: break;
    }
    return {};
}

Cause cause_du_code(uint32_t code) {
    switch (code) {
        case 39:   // ERROR_HANDLE_DISK_FULL
        case 112:  // ERROR_DISK_FULL
            return Cause::disque_plein;
        case 19:    // ERROR_WRITE_PROTECT
        case 6009:  // ERROR_FILE_READ_ONLY
            return Cause::lecture_seule;
        case 5:  // ERROR_ACCESS_DENIED
            return Cause::acces_refuse;
        case 2:   // ERROR_FILE_NOT_FOUND
        case 3:   // ERROR_PATH_NOT_FOUND
        case 15:  // ERROR_INVALID_DRIVE
        case 21:  // ERROR_NOT_READY
            return Cause::introuvable;
        case 51:    // ERROR_REM_NOT_LIST
        case 53:    // ERROR_BAD_NETPATH
        case 59:    // ERROR_UNEXP_NET_ERR
        case 64:    // ERROR_NETNAME_DELETED
        case 67:    // ERROR_BAD_NET_NAME
        case 121:   // ERROR_SEM_TIMEOUT
        case 1231:  // ERROR_NETWORK_UNREACHABLE
            return Cause::reseau;
        case 32:  // ERROR_SHARING_VIOLATION
        case 33:  // ERROR_LOCK_VIOLATION
            return Cause::occupe;
        default:
            return Cause::inconnue;
    }
}

std::string message_et_cause(const ErreurES& e) {
    const std::string mots = mots_de(e.cause());
    std::string texte = e.what();
    if (!mots.empty() && texte.find(mots) == std::string::npos) texte += " : " + mots;
    return texte;
}

}  // namespace nocturo
