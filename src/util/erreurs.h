// Errors that climb to the event dispatcher, which shows their French message and goes on.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace nocturo {

class Erreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* nom_classe() const { return "Exception"; }
};

// A text that is not a correct integer.
class ErreurConversion : public Erreur {
public:
    using Erreur::Erreur;
    const char* nom_classe() const override { return "EConvertError"; }
};

// Why the system refused an operation on a file, as the user can be told it.
enum class Cause { inconnue, disque_plein, lecture_seule, acces_refuse, introuvable, reseau, occupe };

// The cause in words a user knows ("le disque est plein"); empty when unknown.
std::string mots_de(Cause cause);
// What a Windows error code (GetLastError) means for the user; `inconnue` for the others.
Cause cause_du_code(uint32_t code);

// A file that cannot be created, written or read; `fichier` names it as the user knows it.
class ErreurES : public Erreur {
public:
    explicit ErreurES(const std::string& message, Cause cause = Cause::inconnue, std::string fichier = {})
        : Erreur(message), cause_(cause), fichier_(std::move(fichier)) {}
    const char* nom_classe() const override { return "EInOutError"; }
    Cause cause() const { return cause_; }
    const std::string& fichier() const { return fichier_; }

private:
    Cause cause_;
    std::string fichier_;
};

// Its message with the cause in words after it, unless the message already says it.
std::string message_et_cause(const ErreurES& e);

}  // namespace nocturo
