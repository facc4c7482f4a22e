// The little preview in the desktop's screen-saver settings: black, the name in the
// middle, gone with its host.
#include <cstdint>

#include "plateforme/win32/modes.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/poignees.h"

namespace nocturo::win32 {

namespace {

constexpr UINT_PTR MINUTERIE_HOTE = 1;

LRESULT apercu(HWND h, UINT m, WPARAM wp, LPARAM lp);

LRESULT CALLBACK procedure_apercu(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    return sans_exception<LRESULT>(h, m, 0, [&] { return apercu(h, m, wp, lp); });
}

LRESULT apercu(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        win32::Police police(CreateFontW(-std::max(8, static_cast<int>(r.bottom / 6)), 0, 0, 0, FW_BOLD,
                                         FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
        Selection s(dc, police.get());
        SetTextColor(dc, RGB(255, 255, 0));
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"Nocturo", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_TIMER:
        // The host may die without telling its children in time.
        if (!IsWindow(GetParent(h))) DestroyWindow(h);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(h, m, wp, lp);
    }
}

}  // namespace

int lancer_apercu(uint64_t parent) {
    const HWND hote = reinterpret_cast<HWND>(static_cast<uintptr_t>(parent));
    if (!parent || !IsWindow(hote)) return 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure_apercu;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"NocturoApercu";
    RegisterClassW(&wc);
    RECT r;
    GetClientRect(hote, &r);
    const HWND h = CreateWindowExW(0, wc.lpszClassName, L"Nocturo", WS_CHILD | WS_VISIBLE, 0, 0,
                                   r.right, r.bottom, hote, nullptr, wc.hInstance, nullptr);
    if (!h) return 0;
    SetTimer(h, MINUTERIE_HOTE, 500, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace nocturo::win32
