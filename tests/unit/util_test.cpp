// The text routines and the tone generator.
#include <gtest/gtest.h>

#include "sim/plateforme_simulee.h"
#include "util/texte.h"
#include "util/unicode.h"

namespace nocturo::test {
namespace {

// Routines that show messages or play sounds are given a machine.
class Util : public ::testing::Test {
protected:
    PlateformeSimulee machine;
};

TEST(SansAccents, PlieLesLettresEtLaisseLeReste) {
    const struct {
        std::string texte, attendu;
    } cas[] = {
        {"Été-à Paris", "ETeaPARIS"},  // small accented letters stay small
        {"ÀÁÂÃÄÅàáâãäåÈÉÊËèéêëÌÍÎÏìíîïÒÓÔÕÖØòóôõöøÙÚÛÜùúûüÝŸýÿÇçÑñ",
         "AAAAAAaaaaaaEEEEeeeeIIIIiiiiOOOOOOooooooUUUUuuuuYYyyCcNn"},
        {"abc xyz-09", "ABCXYZ09"},
        {"æœ{}_", "æœ{}_"},
        {"", ""},
        // Beyond Windows-1252: other scripts stay as they are, an accent written as a mark
        // of its own folds as the accented letter does.
        {"Москва 2019-07", "МОСКВА201907"},
        {"διακοπές łódź", "ΔΙΑΚΟΠΈΣŁoDŹ"},  // ó is of Windows-1252: folded as it always was
        {"e\xCC\x81te\xCC\x81 E\xCC\x81", "eTeE"},
        {"東京 🎂", "東京🎂"},
    };
    for (const auto& c : cas) EXPECT_EQ(sans_accents(c.texte), c.attendu) << c.texte;
}

TEST(MasquesEtLettres, MasqueChiffresEtSansLettres) {
    std::string t = "051231 avg";
    masque_chiffres('*', t, '_');
    EXPECT_EQ(t, "******_____");
    t.clear();
    masque_chiffres('*', t, '_');
    EXPECT_EQ(t, "_");
    // One mark a character, whatever bytes it takes.
    t = "é2014–07 🎂";
    masque_chiffres('*', t, '_');
    EXPECT_EQ(t, "_****_**___");

    // 65..122 goes, the six signs between Z and a included.
    t = "@AZ[\\]^_`az{09 é";
    sans_lettres(t);
    EXPECT_EQ(t, "@{09 é");
}

TEST(Coupes, EspacesSeulementEtDeuxChiffres) {
    const struct {
        std::string texte, gauche, droite, coupe, deux;
    } cas[] = {
        {"   ", " ", "", "", ""},
        {"", "", "", "", ""},
        {" 7 ", "7 ", " 7", "7", "07"},
        {"12", "12", "12", "12", "12"},
        {"  a b  ", "a b  ", "  a b", "a b", "a b"},
        {"\tx ", "\tx ", "\tx", "\tx", "\tx"},  // only the space is trimmed
    };
    for (const auto& c : cas) {
        EXPECT_EQ(coupe_gauche(c.texte), c.gauche) << "[" << c.texte << "]";
        EXPECT_EQ(coupe_droite(c.texte), c.droite) << "[" << c.texte << "]";
        EXPECT_EQ(coupe(c.texte), c.coupe) << "[" << c.texte << "]";
        EXPECT_EQ(deux_chiffres(c.texte), c.deux) << "[" << c.texte << "]";
    }
}

TEST(Extrait, ChampsDelimites) {
    const struct {
        std::string texte;
        int n;
        char d;
        std::string attendu;
    } cas[] = {
        {"a;b;;c", 3, ';', "c"},
        {"2005_08_28 avg", 1, '_', "2005"},
        {"2005_08_28 avg", 3, '_', "28 avg"},
        {";; x ;y;", 1, ';', "x"},
        {"a; ;b", 2, ';', ""},  // a field of spaces only
        {"a;b", 0, ';', ""},
        {"a;b", 3, ';', ""},
        {";;;", 1, ';', ""},
        {"", 1, ';', "_extraitUTIL.PAS<>"},
        {"a \"q\" b;c", 1, ';', "a \"q\" b"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(extrait(c.texte, c.n, c.d), c.attendu) << c.texte << " #" << c.n;
}

TEST(Remplacements, PremierCaractereEtQueueDe255) {
    std::string t = "abcb";
    remplace_premier("b", "XY", t);
    EXPECT_EQ(t, "aXYcb");
    remplace_premier("z", "Q", t);
    EXPECT_EQ(t, "aXYcb");
    remplace_premier("", "Q", t);
    EXPECT_EQ(t, "aXYcb");

    t = "ab" + std::string(300, 'c');
    remplace_premier("b", "--", t);
    EXPECT_EQ(t, "a--" + std::string(255, 'c'));
    // 255 characters, not bytes.
    std::string e;
    for (int i = 0; i < 300; ++i) e += "é";
    t = "ab" + e;
    remplace_premier("b", "-", t);
    EXPECT_EQ(t, "a-" + e.substr(0, 510));

    t = "a.b.c";
    remplace_car('.', ' ', t);
    EXPECT_EQ(t, "a b c");
    EXPECT_EQ(compte_car('.', "a.b.c."), 3);
    EXPECT_EQ(compte_car('x', ""), 0);
}

TEST(RepareUtf8, SequencesDuTableau) {
    const struct {
        std::string texte, attendu;
    } cas[] = {
        {"Ã©tÃ©", "été"},
        {"ÃƒÂ©", "é"},
        {"Â°Ã´Ã¨Ã§Ã\u00A0Ã¢ÃªÃ®Ã»Ã¸â€šÃ¹Ã¯Ã¼Ã¤Ã¶Ã‰", "°ôèçàâêîû°éùïüäöÉ"},
        {"château", "château"},  // the trigger stays; the pass count ends the loop
        {"Ã", "Ã"},
        {"", ""},
    };
    for (const auto& c : cas) {
        std::string t = c.texte;
        repare_utf8(t);
        EXPECT_EQ(t, c.attendu) << c.texte;
    }
    // A long line keeps its tail.
    std::string t = "Ã©" + std::string(400, 'x');
    repare_utf8(t);
    EXPECT_EQ(t, "é" + std::string(400, 'x'));
}

// The repair as it was first written, on Windows-1252 text: passes over the whole line, each
// replacing the first occurrence of each sequence, until no trigger is left or as many
// passes as characters.
std::string en_1252(const std::string& texte) {
    std::string r;
    EXPECT_TRUE(vers_1252(texte, r)) << texte;
    return r;
}

void repare_par_passes(std::string& texte_utf8) {
    static const std::pair<std::string, std::string> R[] = {
        {"Ã©", "é"}, {"ÃƒÂ©", "é"}, {"Â°", "°"}, {"Ã´", "ô"}, {"Ã¨", "è"}, {"Ã§", "ç"}, {"Ã\u00A0", "à"},
        {"Ã¢", "â"}, {"Ãª", "ê"}, {"Ã®", "î"}, {"Ã´", "ô"}, {"Ã»", "û"}, {"Ã¸", "°"}, {"â€š", "é"},
        {"Ã¹", "ù"}, {"Ã¯", "ï"}, {"Ã¼", "ü"}, {"Ã¤", "ä"}, {"Ã¶", "ö"}, {"Ã‰", "É"},
    };
    std::string texte = en_1252(texte_utf8);
    for (size_t passes = 0; texte.find_first_of(en_1252("ÂÃâ")) != std::string::npos && passes < texte.size(); ++passes)
        for (const auto& [de, vers] : R)
            if (const size_t p = texte.find(en_1252(de)); p != std::string::npos) texte.replace(p, en_1252(de).size(), en_1252(vers));
    texte_utf8 = utf8_de_1252(texte);
}

TEST(RepareUtf8, MemeResultatQueLesPassesSurDesTextesAuHasard) {
    // Texts drawn from the characters the sequences are made of, and a few others.
    const std::u32string alphabet = U"ÃÂâƒ©°´¨§\u00A0¢ª®»¸€š¹¯¼¤¶‰éa ";
    unsigned etat = 12345;
    for (int essai = 0; essai < 20000; ++essai) {
        std::string t;
        const int n = static_cast<int>(etat % 12);
        for (int i = 0; i < n; ++i) {
            etat = etat * 1103515245u + 12345u;
            ajouter_point(t, alphabet[(etat >> 8) % alphabet.size()]);
        }
        etat = etat * 1103515245u + 12345u;
        std::string attendu = t, obtenu = t;
        repare_par_passes(attendu);
        repare_utf8(obtenu);
        ASSERT_EQ(obtenu, attendu) << "[" << t << "]";
    }
}

TEST(RepareUtf8, UneLigneDeCentMilleCaracteresSeRepareDUnTrait) {
    // Once twenty searches over the line per character: minutes for such a line.
    std::string t = std::string(50000, 'x') + "château Ã©" + std::string(50000, 'y');
    repare_utf8(t);
    EXPECT_EQ(t, std::string(50000, 'x') + "château é" + std::string(50000, 'y'));
}

TEST(Borne, BasPuisHaut) {
    const struct {
        int valeur, bas, haut, attendu;
    } cas[] = {{7, 1, 5, 5}, {-2, 1, 5, 1}, {3, 1, 5, 3}, {0, 9, 2, 2}};
    for (const auto& c : cas) {
        int v = c.valeur;
        borne(v, c.bas, c.haut);
        EXPECT_EQ(v, c.attendu) << c.valeur;
    }
}

TEST_F(Util, EntierDeMontreLErreurDeConversionEtDonne0) {
    EXPECT_EQ(entier_de("  ", 5, machine), 5);
    EXPECT_EQ(entier_de("", -3, machine), -3);
    EXPECT_EQ(entier_de(" 42 ", 0, machine), 42);
    EXPECT_EQ(entier_de("$10", 0, machine), 16);
    EXPECT_TRUE(machine.messages.empty());
    EXPECT_EQ(entier_de("12a", 9, machine), 0);
    ASSERT_EQ(machine.messages.size(), 1u);
    EXPECT_EQ(machine.messages[0], "EConvertError\n\r'12a' n'est pas une valeur entière correcte");
}

TEST_F(Util, SepareNomNumero) {
    const struct {
        std::string texte, prefixe;
        int32_t numero;
    } cas[] = {
        {"IMG_0012.JPG", "IMG_", 12},
        {"a1b2.c3", "ab", 12},
        {"nom", "nom", 0},
        {".123", "", 0},
    };
    for (const auto& c : cas) {
        std::string prefixe = "reste";
        int32_t numero = -1;
        separe_nom_numero(c.texte, prefixe, numero, machine);
        EXPECT_EQ(prefixe, c.prefixe) << c.texte;
        EXPECT_EQ(numero, c.numero) << c.texte;
    }
    EXPECT_TRUE(machine.messages.empty());
    std::string prefixe;
    int32_t numero = -1;
    separe_nom_numero("x99999999999.jpg", prefixe, numero, machine);
    EXPECT_EQ(numero, 0);
    EXPECT_EQ(machine.messages.size(), 1u);
}

// The header and the samples of a 1 ms tone at 640 Hz, volume 30: 11 samples.
TEST(ImageTonalite, EnteteEtEchantillonsOctetParOctet) {
    const unsigned char attendu[] = {
        'R', 'I', 'F', 'F', 49, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
        18, 0, 0, 0, 1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0,
        1, 0, 8, 0, 0, 0, 'd', 'a', 't', 'a', 11, 0, 0, 0,
        127, 137, 146, 153, 156, 156, 151, 143, 133, 123, 113,
    };
    EXPECT_EQ(image_tonalite(640, 1, 30), std::string(std::begin(attendu), std::end(attendu)));

    // Loud samples keep their low 8 bits; negative ones are truncated toward zero.
    const std::string fort = image_tonalite(3000, 1, 255);
    ASSERT_EQ(fort.size(), 46u + 11u);
    const unsigned char debut[] = {127, 123, 58, 150, 5};
    EXPECT_EQ(fort.substr(46, 5), std::string(std::begin(debut), std::end(debut)));

    EXPECT_EQ(image_tonalite(640, 20, 30).size(), 46u + 220u);
    EXPECT_EQ(image_tonalite(640, 0, 30).size(), 46u);
}

TEST_F(Util, JoueTonaliteJoueOuRefuseAuDessusDe6615Hz) {
    joue_tonalite(machine, 640, 20, 30);
    ASSERT_EQ(machine.sons.size(), 1u);
    EXPECT_EQ(machine.sons[0], image_tonalite(640, 20, 30));
    joue_tonalite(machine, 6615, 1, 30);
    EXPECT_EQ(machine.sons.size(), 2u);
    EXPECT_TRUE(machine.messages.empty());

    joue_tonalite(machine, 6616, 20, 30);
    EXPECT_EQ(machine.sons.size(), 2u);
    ASSERT_EQ(machine.messages.size(), 1u);
    EXPECT_EQ(machine.messages[0],
              "Un taux d'échantillonage de 11025 est trop bas pour jouer une tonalité de 6616Hz");
}

}  // namespace
}  // namespace nocturo::test
