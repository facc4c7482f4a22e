// A crash of a Windows test program ends the run at once with its code, instead of waiting
// in a debugger that nobody watches.
#pragma once
#include <cstdio>

#include "plateforme/win32/win32.h"

namespace nocturo::test {

inline void sortir_en_cas_de_plantage() {
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
        std::printf("PLANTAGE : exception %08lX\n", e->ExceptionRecord->ExceptionCode);
        std::fflush(stdout);
        ExitProcess(3);
    });
}

}  // namespace nocturo::test
