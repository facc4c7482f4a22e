// The long form of full paths given to the system's file calls.
#include <gtest/gtest.h>

#include "plateforme/win32/chemin_long.h"

namespace nocturo::test {
namespace {

using win32::chemin_long;

TEST(CheminLong, FormeDonneeAuSysteme) {
    const std::string n(250, 'n');  // one name long enough to need the long form
    const struct {
        const char* quoi;
        std::string chemin, attendu;
    } cas[] = {
        {"court: tel quel, même avec / et ..", "C:/Photos\\2014\\..\\a.jpg", "C:/Photos\\2014\\..\\a.jpg"},
        {"247 caractères: tel quel", "C:\\" + std::string(244, 'a'), "C:\\" + std::string(244, 'a')},
        {"248 caractères: forme longue", "C:\\" + std::string(245, 'a'), "\\\\?\\C:\\" + std::string(245, 'a')},
        {"lettre minuscule", "d:\\" + n, "\\\\?\\d:\\" + n},
        {"/ et séparateurs doublés", "C:/" + n + "//b\\\\c.jpg", "\\\\?\\C:\\" + n + "\\b\\c.jpg"},
        {"séparateur final", "C:\\" + n + "\\", "\\\\?\\C:\\" + n},
        {". et ..", "C:\\" + n + "\\.\\x\\..\\c.jpg", "\\\\?\\C:\\" + n + "\\c.jpg"},
        {".. s'arrête au lecteur", "C:\\..\\..\\" + n, "\\\\?\\C:\\" + n},
        {"tout remonte: la racine du lecteur", "C:\\" + n + "\\..", "\\\\?\\C:\\"},
        {"lettres de toute écriture gardées", "C:\\" + n + "\\Été Москва 🎂.jpg", "\\\\?\\C:\\" + n + "\\Été Москва 🎂.jpg"},
        // Names the system would change on the way in, whatever the length.
        {"point final", "C:\\NAS\\photo.jpg.", "\\\\?\\C:\\NAS\\photo.jpg."},
        {"espace final d'un répertoire", "C:\\NAS\\Vacances \\a.jpg", "\\\\?\\C:\\NAS\\Vacances \\a.jpg"},
        {"nom de périphérique", "C:\\Photos\\con.jpg", "\\\\?\\C:\\Photos\\con.jpg"},
        {"nom de périphérique numéroté", "\\\\srv\\p\\LPT1", "\\\\?\\UNC\\srv\\p\\LPT1"},
        {"nom qui commence comme un périphérique", "C:\\Photos\\console.jpg", "C:\\Photos\\console.jpg"},
        {"COM0 n'en est pas un", "C:\\Photos\\COM0.jpg", "C:\\Photos\\COM0.jpg"},
        {". et .. restent des pas", "C:\\Photos\\.\\..\\a.jpg", "C:\\Photos\\.\\..\\a.jpg"},
        {"court relatif à protéger: tel quel", "a.", "a."},
        {"partage", "\\\\srv\\photos\\" + n + "\\c.jpg", "\\\\?\\UNC\\srv\\photos\\" + n + "\\c.jpg"},
        {"partage écrit avec /", "//srv/photos/" + n, "\\\\?\\UNC\\srv\\photos\\" + n},
        {".. s'arrête au partage", "\\\\srv\\photos\\..\\..\\" + n, "\\\\?\\UNC\\srv\\photos\\" + n},
        {"serveur sans partage: tel quel", "\\\\" + n, "\\\\" + n},
        {"partage nommé ..: tel quel", "\\\\srv\\..\\" + n, "\\\\srv\\..\\" + n},
        {"déjà longue: telle quelle", "\\\\?\\C:\\" + n + "\\.\\x", "\\\\?\\C:\\" + n + "\\.\\x"},
        {"périphérique: tel quel", "\\\\.\\" + n, "\\\\.\\" + n},
        {"relatif: tel quel", n + "\\c.jpg", n + "\\c.jpg"},
        {"lecteur sans racine: tel quel", "C:" + n, "C:" + n},
        {"racine sans lecteur: tel quel", "\\" + n, "\\" + n},
    };
    for (const auto& c : cas) EXPECT_EQ(chemin_long(c.chemin), c.attendu) << c.quoi;
}

}  // namespace
}  // namespace nocturo::test
