#include "plateforme/win32/cadence.h"

#include <mmsystem.h>

#include <algorithm>

namespace nocturo::win32 {

namespace {

// Absent from older headers; Windows 10 1803 and later.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x2;
#endif

// dwmapi is looked up rather than imported: the wait works the same where it is missing.
struct Dwm {
    HRESULT(WINAPI* composition_active)(BOOL*) = nullptr;
    HRESULT(WINAPI* vider)() = nullptr;
};

template <class F>
void fonction(HMODULE m, const char* nom, F& f) {
    // Through the one function type that converts to every other without a warning.
    if (m) f = reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(m, nom)));
}

const Dwm& dwm() {
    static const Dwm d = [] {
        Dwm r;
        const HMODULE m = LoadLibraryW(L"dwmapi.dll");
        fonction(m, "DwmIsCompositionEnabled", r.composition_active);
        fonction(m, "DwmFlush", r.vider);
        return r;
    }();
    return d;
}

int64_t compteur() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

}  // namespace

Cadence::Cadence() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    frequence_ = f.QuadPart > 0 ? f.QuadPart : 1;
    minuterie_.reset(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
    haute_resolution_ = minuterie_ != nullptr;
    if (!minuterie_) {
        // A plain timer keeps the scheduler's tick, 15.6 ms unless asked for 1 ms.
        minuterie_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
        timeBeginPeriod(1);
    }
    relire_periode(compteur());
}

Cadence::~Cadence() {
    if (!haute_resolution_) timeEndPeriod(1);
}

bool Cadence::compositeur() const {
    BOOL actif = FALSE;
    return dwm().composition_active && dwm().vider && SUCCEEDED(dwm().composition_active(&actif)) && actif;
}

void Cadence::relire_periode(int64_t maintenant) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    DWORD hertz = EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) ? mode.dmDisplayFrequency : 0;
    // 0 and 1 both stand for the hardware's default rate.
    if (hertz <= 1) hertz = 60;
    periode_ = std::max<int64_t>(1, frequence_ / hertz);
    lue_ = maintenant;
}

void Cadence::attendre() {
    int64_t maintenant = compteur();
    // The rate may change with the display mode; reading it costs, so once a second.
    if (maintenant - lue_ > frequence_) relire_periode(maintenant);
    // The composer shows a frame at each refresh: its flush waits for the next one. With
    // nothing new to show it may return at once: then the period is waited out from the
    // last return, so that frames never come faster than the display.
    if (compositeur() && SUCCEEDED(dwm().vider())) {
        maintenant = compteur();
        if (maintenant - derniere_ < periode_ / 2) dormir_jusqua(derniere_ + periode_);
        derniere_ = compteur();
        return;
    }
    if (origine_ == 0) origine_ = maintenant;
    dormir_jusqua(origine_ + ((maintenant - origine_) / periode_ + 1) * periode_);
    derniere_ = compteur();
}

void Cadence::dormir_jusqua(int64_t echeance) {
    // Never early: a wake before the boundary would make the next frame come twice in it.
    for (int64_t reste = echeance - compteur(); reste > 0; reste = echeance - compteur()) {
        const int64_t centaines_ns = reste * 10'000'000 / frequence_;
        if (minuterie_ && centaines_ns >= 5'000) {
            LARGE_INTEGER du;
            du.QuadPart = -centaines_ns;
            if (SetWaitableTimer(minuterie_.get(), &du, 0, nullptr, nullptr, FALSE)) {
                WaitForSingleObject(minuterie_.get(), INFINITE);
                continue;
            }
        }
        // The last half millisecond, or no timer: give up the processor until the time.
        Sleep(0);
    }
}

}  // namespace nocturo::win32
