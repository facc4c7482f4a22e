// The program's UTF-8 text against the system's UTF-16, the Windows-1252 of earlier files,
// and the text files in every form users have them.
#include <gtest/gtest.h>

#include "util/fichiers.h"
#include "util/texte.h"
#include "util/unicode.h"

namespace nocturo::test {
namespace {

TEST(Unicode, LesNomsDuSystemeRevienentTelsQuels) {
    const std::u16string cas[] = {
        u"IMG_0001.JPG",
        u"Été à Arles",
        u"Прогулка по Москве",
        u"東京タワーの夜景",
        u"生日快乐 \U0001F382\U0001F389",  // surrogate pairs
        u"e\u0301te\u0301",                // combining accents
        std::u16string(1, char16_t(0xD83D)) + u"x",  // a lone surrogate, as NTFS allows
        std::u16string(1, char16_t(0xDC00)),
        u"",
    };
    for (const std::u16string& u : cas) {
        const std::string t = utf8_de_utf16(u);
        EXPECT_EQ(utf16_de_utf8(t), u);
    }
    EXPECT_EQ(utf8_de_utf16(u"\U0001F382"), "🎂");
    EXPECT_EQ(utf8_de_utf16(u"Ж"), "\xD0\x96");
}

TEST(Unicode, Windows1252DansLesDeuxSens) {
    // Every byte has its character, the five undefined ones included, and comes back.
    std::string tous;
    for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
    std::string retour;
    ASSERT_TRUE(vers_1252(utf8_de_1252(tous), retour));
    EXPECT_EQ(retour, tous);
    EXPECT_EQ(utf8_de_1252("\x80\x9C\xE9"), "€œé");
    EXPECT_TRUE(tient_en_1252("Œuvre à 5 €"));
    EXPECT_FALSE(tient_en_1252("Москва"));
    EXPECT_FALSE(tient_en_1252("🎂"));
    // A stray byte in what should be UTF-8 reads as its Windows-1252 character.
    EXPECT_EQ(utf16_de_utf8("\xE9t\xE9"), u"été");
}

TEST(Unicode, SequencesBienFormees) {
    const struct {
        std::string octets;
        bool valide;
    } cas[] = {
        {"abc", true}, {"été", true}, {"🎂", true}, {"\xED\xA0\xBD", true},  // a lone surrogate
        {"\xE9t\xE9", false}, {"\xC3", false}, {"\xC0\xAF", false},         // cut, overlong
        {"\xE0\x80\xAF", false}, {"\xF4\x90\x80\x80", false}, {"\xFF", false},
    };
    for (const auto& c : cas) EXPECT_EQ(utf8_valide(c.octets), c.valide) << c.octets;
}

TEST(Unicode, MajusculesCommeLeSystemeCompareLesNoms) {
    EXPECT_EQ(majuscules("c:\\photos\\été œuvre ÿ"), "C:\\PHOTOS\\ÉTÉ ŒUVRE Ÿ");
    EXPECT_EQ(majuscules("москва ёж"), "МОСКВА ЁЖ");
    EXPECT_EQ(majuscules("διακοπές ς"), "ΔΙΑΚΟΠΈΣ Σ");
    EXPECT_EQ(majuscules("łódź ảnh"), "ŁÓDŹ ẢNH");
    EXPECT_EQ(majuscules("東京 🎂"), "東京 🎂");
    EXPECT_TRUE(egal_sans_casse("C:\\Фото\\Été", "c:\\фото\\été"));
    EXPECT_FALSE(egal_sans_casse("C:\\Фото", "C:\\Фотоx"));
}

TEST(FichiersTexte, UnFichierDuProgrammeSeLitDansSesDeuxFormes) {
    // Earlier versions wrote Windows-1252; this one adds UTF-8 after a mark when needed.
    EXPECT_EQ(texte_de_fichier("C:\\\xC9t\xE9\r\n"), "C:\\Été\r\n");
    EXPECT_EQ(texte_de_fichier("\xEF\xBB\xBF" "C:\\Фото\r\n"), "C:\\Фото\r\n");
    // Without a mark a file of this program is Windows-1252, even when it would pass for UTF-8.
    EXPECT_EQ(texte_de_fichier("C:\\\xC3\xA9"), "C:\\Ã©");
    EXPECT_EQ(octets_de_texte("C:\\Été"), "C:\\\xC9t\xE9");
    EXPECT_EQ(octets_de_texte("C:\\Фото"), "\xEF\xBB\xBF" "C:\\Фото");
    EXPECT_EQ(texte_de_fichier(octets_de_texte("C:\\生日 🎂\r\n")), "C:\\生日 🎂\r\n");
    // Text whose Windows-1252 bytes would read as UTF-8 goes in UTF-8, for every reader.
    EXPECT_EQ(octets_de_texte("C:\\Ã©\r\nC:\\été\r\n"), MARQUE_UTF8 + "C:\\Ã©\r\nC:\\été\r\n");
    EXPECT_EQ(lignes_libres(octets_de_texte("C:\\Ã©\r\n")), std::vector<std::string>{"C:\\Ã©"});
}

TEST(FichiersTexte, UnFichierDAilleursSeLitDansToutesSesFormes) {
    const struct {
        const char* forme;
        std::string octets;
    } cas[] = {
        {"ANSI de Windows", "**C:\\\xC9t\xE9\r\n+*C:\\Photos\r\n"},
        {"UTF-8 sans marque (le Bloc-notes)", "**C:\\Été\r\n+*C:\\Photos\r\n"},
        {"UTF-8 avec marque", "\xEF\xBB\xBF**C:\\Été\r\n+*C:\\Photos\r\n"},
        {"UTF-16 petit-boutien", std::string("\xFF\xFE*\0*\0C\0:\0\\\0\xC9\0t\0\xE9\0\r\0\n\0+\0*\0C\0:\0\\\0P\0h\0o\0t\0o\0s\0", 44)},
        {"UTF-16 gros-boutien", std::string("\xFE\xFF\0*\0*\0C\0:\0\\\0\xC9\0t\0\xE9\0\n\0+\0*\0C\0:\0\\\0P\0h\0o\0t\0o\0s", 42)},
        {"lignes mêlées", "**C:\\\xC9t\xE9\r\n+*C:\\Photos\r\n"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(lignes_libres(c.octets), (std::vector<std::string>{"**C:\\Été", "+*C:\\Photos"})) << c.forme;
    EXPECT_EQ(lignes_libres("a\xE9\r\nб\r\n"), (std::vector<std::string>{"aé", "б"}));
}

TEST(FichiersTexte, DesLignesAjouteesGardentLaFormeDuFichier) {
    const struct {
        const char* forme;
        std::string existant, attendu;
        std::vector<std::string> lignes;
    } cas[] = {
        {"vide, en Windows-1252", "", "**C:\\\xC9t\xE9\\\r\n", {"**C:\\Été\\"}},
        {"vide, hors Windows-1252", "", "**C:\\Фото\\\r\n", {"**C:\\Фото\\"}},
        {"ANSI, sans fin de ligne", "'\xE9t\xE9", "'\xE9t\xE9\r\n**C:\\\xC9t\xE9\\\r\n", {"**C:\\Été\\"}},
        {"ANSI qui reçoit du cyrillique: réécrit en UTF-8", "'\xE9t\xE9\r\n",
         "\xEF\xBB\xBF'été\r\n**C:\\Фото\\\r\n", {"**C:\\Фото\\"}},
        {"UTF-8 du Bloc-notes", "'été\r\n", "'été\r\n**C:\\Été\\\r\n", {"**C:\\Été\\"}},
        {"UTF-8 avec marque", "\xEF\xBB\xBF'x", "\xEF\xBB\xBF'x\r\n**C:\\Фото\\\r\n", {"**C:\\Фото\\"}},
        {"UTF-16", std::string("\xFF\xFE'\0", 4), std::string("\xFF\xFE'\0\r\0\n\0*\0*\0\x16\x04\r\0\n\0", 18), {"**Ж"}},
    };
    for (const auto& c : cas) {
        const std::string r = octets_completes(c.existant, c.lignes);
        EXPECT_EQ(r, c.attendu) << c.forme;
        EXPECT_EQ(lignes_libres(r).back(), c.lignes.back()) << c.forme;
    }
}

}  // namespace
}  // namespace nocturo::test
