// Time and messages: the clock, waiting, and the pump that runs pending handlers.
#pragma once

namespace nocturo {

class Horloge {
public:
    virtual ~Horloge() = default;
    virtual double maintenant() = 0;  // local date-time, days since 1899-12-30
    // A steady count of milliseconds, cheap enough to read between two directory entries.
    virtual double millisecondes() { return maintenant() * 86'400'000.0; }
    virtual void attendre(int millisecondes) = 0;
    // Runs the handlers of pending input and timer ticks, then returns.
    virtual void traiter_messages() = 0;
    // Sleeps until a message arrives or `millisecondes` have passed; runs no handler.
    virtual void attendre_message(int millisecondes) = 0;
    // Returns at the display's next refresh, so that a frame drawn each time is drawn once
    // per refresh on any machine.
    virtual void attendre_rafraichissement() = 0;
};

}  // namespace nocturo
