// A stand-in for the outside viewer: appends the command line it was given to
// C:\temoin\lignes.txt (UTF-8, one line a start) and ends.
#include <windows.h>

#include <cstdio>
#include <string>

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
    return 0;
}
