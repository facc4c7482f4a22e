// Returns at the display's next refresh: the desktop composer's own beat where it runs,
// otherwise the next boundary of the refresh period on a high-resolution timer.
#pragma once
#include <cstdint>

#include "plateforme/win32/poignees.h"

namespace nocturo::win32 {

class Cadence {
public:
    Cadence();
    ~Cadence();
    Cadence(const Cadence&) = delete;
    Cadence& operator=(const Cadence&) = delete;

    void attendre();
    // What the wait rests on, for whoever measures it.
    bool compositeur() const;
    bool haute_resolution() const { return haute_resolution_; }
    double periode_ms() const { return 1000.0 * static_cast<double>(periode_) / static_cast<double>(frequence_); }

private:
    void dormir_jusqua(int64_t echeance);
    void relire_periode(int64_t maintenant);

    Fichier minuterie_;
    bool haute_resolution_ = false;
    int64_t frequence_ = 1;   // counter ticks a second
    int64_t periode_ = 1;     // counter ticks a refresh
    int64_t origine_ = 0;     // a refresh boundary: the others follow at whole periods
    int64_t lue_ = 0;         // when the period was last read
    int64_t derniere_ = 0;    // when the last wait returned
};

}  // namespace nocturo::win32
