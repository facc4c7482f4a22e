// A stand-in for the outside viewer: appends the command line it was given to
// C:\temoin\lignes.txt (UTF-8, one line a start) and ends. Given "-slide", it plays the
// viewer's slideshow first: a window of its own in front, with the keyboard, for two
// seconds, as the real viewer takes it from the screen saver.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

LRESULT CALLBACK fenetre(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_TIMER) {
        DestroyWindow(h);
        return 0;
    }
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

void diaporama_du_visualiseur() {
    WNDCLASSW c{};
    c.lpfnWndProc = fenetre;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"visionneuse_temoin";
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&c);
    const HWND h = CreateWindowExW(WS_EX_TOPMOST, c.lpszClassName, L"Visionneuse témoin", WS_POPUP | WS_VISIBLE, 100,
                                   100, 400, 300, nullptr, nullptr, c.hInstance, nullptr);
    if (!h) return;
    SetForegroundWindow(h);
    SetFocus(h);
    SetTimer(h, 1, 2000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const wchar_t* ligne = GetCommandLineW();
    const int n = WideCharToMultiByte(CP_UTF8, 0, ligne, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, ligne, -1, utf8.data(), n, nullptr, nullptr);
    CreateDirectoryW(L"C:\\temoin", nullptr);
    FILE* f = _wfopen(L"C:\\temoin\\lignes.txt", L"ab");
    if (!f) return 1;
    std::fwrite(utf8.data(), 1, utf8.size(), f);
    std::fputs("\n", f);
    std::fclose(f);
    if (std::wstring(ligne).find(L" -slide ") != std::wstring::npos) diaporama_du_visualiseur();
    return 0;
}
