// Errors that climb to the event dispatcher, which shows their French message and goes on.
#pragma once
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

// A file that cannot be created, written or read.
class ErreurES : public Erreur {
public:
    using Erreur::Erreur;
    const char* nom_classe() const override { return "EInOutError"; }
};

}  // namespace nocturo
