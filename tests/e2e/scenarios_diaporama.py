"""The slideshow on screen: pictures upright and in place, the panel on Space, the history."""
import struct
import subprocess

import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import RACINE

LARGEUR, HAUTEUR = nw.LARGEUR, nw.HAUTEUR
# Four quarters told apart by their colour: top left red, top right green, bottom left
# blue, bottom right yellow.
ROUGE, VERT, BLEU, JAUNE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0)


def quartiers(fichier, largeur=800, hauteur=600, orientation=None):
    """A JPEG of four coloured quarters, its EXIF orientation tag set when asked."""
    l2, h2 = largeur // 2, hauteur // 2
    subprocess.run(
        ["convert", "-size", f"{largeur}x{hauteur}", "xc:yellow",
         "-fill", "red", "-draw", f"rectangle 0,0 {l2 - 1},{h2 - 1}",
         "-fill", "lime", "-draw", f"rectangle {l2},0 {largeur - 1},{h2 - 1}",
         "-fill", "blue", "-draw", f"rectangle 0,{h2} {l2 - 1},{hauteur - 1}",
         "-quality", "95", "-strip", str(fichier)], check=True, timeout=60)
    if orientation:
        octets = fichier.read_bytes()
        # APP1 "Exif", little-endian TIFF, one entry: tag 274, SHORT, count 1.
        tiff = b"II*\x00" + struct.pack("<I", 8) + struct.pack("<H", 1) + \
            struct.pack("<HHIHH", 274, 3, 1, orientation, 0) + struct.pack("<I", 0)
        donnees = b"Exif\x00\x00" + tiff
        app1 = b"\xff\xe1" + struct.pack(">H", len(donnees) + 2) + donnees
        fichier.write_bytes(octets[:2] + app1 + octets[2:])


def proche(p, couleur, ecart=60):
    return all(abs(a - b) <= ecart for a, b in zip(p, couleur))


def montrer_dans_l_ordre(banc, noms, effet=0, duree=4000):
    """The pictures under C:\\photos_e2e\\ordre, shown in this order through the
    current-directory list, each for `duree` ms with effect `effet`."""
    dossier = banc.wine.c("photos_e2e") / "ordre"
    dossier.mkdir(parents=True, exist_ok=True)
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"),
                     [f"Rdg1.ItemIndex = {effet}", f"dt0_a = {duree}", f"dt1_a = {duree}",
                      "RadioGroup_titre_ecran.ItemIndex = 2"])
    nw.ecrire_lignes(banc.wine.c("nocturo", "image_rep_crt.txt"), [RACINE + r"\ordre"] + noms)
    return dossier


def attendre_image(banc, etiquette, accepte, quoi, delai=30):
    return banc.attendre_ecran(accepte, delai, etiquette, quoi)


@scenario
def images_droites_et_ajustees(banc):
    dossier_tmp = banc.wine.c("photos_e2e") / "ordre"
    dossier_tmp.mkdir(parents=True, exist_ok=True)
    quartiers(dossier_tmp / "a_tel_quel.jpg")
    quartiers(dossier_tmp / "b_tag6.jpg", orientation=6)
    quartiers(dossier_tmp / "c_tag8.jpg", orientation=8)
    montrer_dans_l_ordre(banc, ["a_tel_quel.jpg", "b_tag6.jpg", "c_tag8.jpg"])
    banc.lancer()

    # 4:3 on 1920 x 1080: 1440 x 1080 at 240, 0; black bands on both sides.
    def ajustee(c):
        return (proche(c.pixel(300, 300), ROUGE)
                and proche(c.pixel(1600, 300), VERT) and proche(c.pixel(300, 1000), BLEU)
                and proche(c.pixel(1600, 1000), JAUNE) and c.pixel(230, 540) == (0, 0, 0)
                and c.pixel(1690, 540) == (0, 0, 0))
    attendre_image(banc, "ajustee", ajustee, "l'image 4:3 ajustée à 240, 0, 1440 x 1080")

    # Tag 6, turned a quarter clockwise to stand: upright 600 x 800, fit 810 x 1080 at 555, 0;
    # the stored top left (red) is now at the top right.
    def tournee_6(c):
        return (proche(c.pixel(1300, 200), ROUGE) and proche(c.pixel(650, 200), BLEU)
                and proche(c.pixel(650, 900), JAUNE) and proche(c.pixel(1300, 900), VERT)
                and c.pixel(545, 540) == (0, 0, 0) and c.pixel(1375, 540) == (0, 0, 0))
    attendre_image(banc, "etiquette_6", tournee_6, "l'image d'étiquette 6 debout, rouge en haut à droite")

    # Tag 8: a quarter counterclockwise; the stored top left is at the bottom left.
    def tournee_8(c):
        return (proche(c.pixel(650, 900), ROUGE) and proche(c.pixel(650, 200), VERT)
                and proche(c.pixel(1300, 200), JAUNE) and proche(c.pixel(1300, 900), BLEU))
    attendre_image(banc, "etiquette_8", tournee_8, "l'image d'étiquette 8 debout, rouge en bas à gauche")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


@scenario
def remplie_puis_panneau_et_historique(banc):
    dossier = banc.wine.c("photos_e2e") / "ordre"
    dossier.mkdir(parents=True, exist_ok=True)
    quartiers(dossier / "a.jpg")
    quartiers(dossier / "b.jpg", 600, 800)
    montrer_dans_l_ordre(banc, ["a.jpg", "b.jpg"], effet=1, duree=3000)
    banc.lancer()

    # Fill of 4:3: 1920 x 1440 from the top; the screen shows the top three quarters.
    def remplie(c):
        return (proche(c.pixel(100, 300), ROUGE) and proche(c.pixel(1800, 300), VERT)
                and proche(c.pixel(100, 1000), BLEU) and proche(c.pixel(1800, 1000), JAUNE))
    attendre_image(banc, "remplie", remplie, "l'image 4:3 remplissant l'écran")
    # The portrait fills the width: only its top half shows.
    def portrait(c):
        return proche(c.pixel(100, 300), ROUGE) and proche(c.pixel(1800, 1000), VERT)
    attendre_image(banc, "portrait_rempli", portrait, "le portrait remplissant la largeur")

    banc.touche("space")
    # The short panel: 1001 x 39 centred at the bottom; at x 1200 lies its background.
    attendre_image(banc, "panneau", lambda c: not proche(c.pixel(1200, 1050), VERT),
                   "le panneau de commande en bas de l'écran")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)
    historique = banc.wine.c("nocturo", "img_affichees.lst").read_bytes().decode("cp1252").split("\r\n")
    for nom in ("a.jpg", "b.jpg"):
        nw.verifier(RACINE + "\\ordre\\" + nom in historique, f"{nom} absent de l'historique : {historique}")


@scenario
def demarrage_vers_diaporama(banc):
    """A start without list: the catalogue's pictures follow each other."""
    dossier = banc.wine.c("photos_e2e") / "x"
    dossier.mkdir(parents=True, exist_ok=True)
    quartiers(dossier / "a.jpg")
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])
    banc.lancer()
    attendre_image(banc, "image", lambda c: proche(c.pixel(300, 300), ROUGE) and proche(c.pixel(1600, 1000), JAUNE),
                   "l'image du catalogue", delai=60)
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


@scenario
def fondu_du_vert_au_bleu(banc):
    """With the settings a new user gets, a picture fades into the next: frames of blended
    colour between a green and a blue one."""
    noms = [f"{i:02d}_{'vert' if i % 2 == 0 else 'bleu'}.jpg" for i in range(12)]
    dossier = montrer_dans_l_ordre(banc, noms, duree=1000)
    for nom in noms:
        couleur = "lime" if "vert" in nom else "blue"
        subprocess.run(["convert", "-size", f"{LARGEUR}x{HAUTEUR}", f"xc:{couleur}", "-quality", "95",
                        str(dossier / nom)], check=True, timeout=60)
    banc.lancer()

    def melange(capture):
        r, v, b = capture.pixel(LARGEUR // 2, HAUTEUR // 2)
        return r < 60 and 40 < v < 215 and 40 < b < 215

    banc.attendre_ecran(melange, 40, "fondu", "un instant mi-vert mi-bleu entre deux images")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


@scenario
def legende_lisible_sur_blanc(banc):
    """The yellow caption over a white photo has a dark edge round its letters."""
    dossier = montrer_dans_l_ordre(banc, ["blanche.jpg"], duree=8000)
    subprocess.run(["convert", "-size", f"{LARGEUR}x{HAUTEUR}", "xc:white", "-quality", "95", str(dossier / "blanche.jpg")],
                   check=True, timeout=60)
    banc.lancer()

    def lisible(capture):
        # The photo on screen, not the grey of the start.
        if min(capture.pixel(960, 700)) <= 240:
            return False
        zone = capture.zone(0, 0, 700, 70)
        jaunes = sum(1 for p in zone if nw.est_jaune(p))
        sombres = sum(1 for p in zone if max(p) < 70)
        return jaunes > 200 and sombres > jaunes // 2

    capture = banc.attendre_ecran(lisible, 30, "legende", "une légende jaune bordée de sombre sur la photo blanche")
    nw.verifier(nw.est_gris(capture.pixel(960, 540)) is False and min(capture.pixel(960, 700)) > 240,
                "la photo blanche n'est pas à l'écran")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)
