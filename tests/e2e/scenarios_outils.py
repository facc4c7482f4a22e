"""The side tools under Wine: the viewer's command lines, an album copy, the test pictures."""
import shutil
import subprocess
import time

import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import RACINE
from scenarios_diaporama import JAUNE, montrer_dans_l_ordre, proche, quartiers

# The long form of the panel: 1545 x 214 at (1920 - 1545) / 2, 1080 - 214 - 12.
LONG_X, LONG_Y = 187, 854
# The short form: 1001 x 39 at (1920 - 1001) / 2, 1080 - 39 - 12.
COURT_X, COURT_Y = 459, 1029


def centre(x, y, l, h, origine):
    return origine[0] + x + l // 2, origine[1] + y + h // 2


def repondre_oui(banc, nom):
    """The box named `nom` in front: Enter takes its first button; waits until it is gone."""
    boites = nw.attendre_que(lambda: banc.wine.fenetres(nom=f"^{nom}$"), 20, quoi=f"la boîte « {nom} »")
    for _ in range(10):
        banc.wine.touche("Return", fenetre=boites[0])
        try:
            nw.attendre_que(lambda: not banc.wine.fenetres(nom=f"^{nom}$"), 2, quoi=f"la fermeture de « {nom} »")
            return
        except nw.EchecScenario:
            continue  # the box was not listening yet
    raise nw.EchecScenario(f"la boîte « {nom} » reste ouverte")


def lignes_temoin(banc, n, delai=20):
    fichier = banc.wine.c("temoin", "lignes.txt")
    return nw.attendre_que(lambda: fichier.exists() and len(fichier.read_text("utf-8").splitlines()) >= n
                           and fichier.read_text("utf-8").splitlines(), delai, quoi=f"{n} lancements du visualiseur")


def installer_temoin(banc):
    """The stand-in viewer as C:\\outils\\visio.exe, with no line written yet."""
    outils = banc.wine.c("outils")
    outils.mkdir(parents=True, exist_ok=True)
    shutil.copy(banc.scr.parent / "visionneuse_temoin.exe", outils / "visio.exe")
    nw.supprimer(banc.wine.c("temoin"))


@scenario
def visualiseur_album_et_f3(banc):
    installer_temoin(banc)
    dossier = banc.wine.c("photos_e2e") / "ordre"
    dossier.mkdir(parents=True, exist_ok=True)
    quartiers(dossier / "a.jpg")
    montrer_dans_l_ordre(banc, ["a.jpg"], duree=2000)
    prm = banc.wine.c("nocturo", "nocturo_var.prm")
    nw.ecrire_lignes(prm, prm.read_text("cp1252").splitlines() +
                     [r"xnview_alternative_Label.Caption = C:\outils\visio.exe", r"rep_album_A.Caption = C:\albums\A"])
    banc.wine.c("albums").mkdir(exist_ok=True)
    # Not a first start: the panel opens in its short form.
    nw.ecrire_lignes(banc.wine.c("nocturo", "img_affichees.lst"), [RACINE + r"\ordre\a.jpg"])
    banc.lancer()
    time.sleep(4)
    banc.touche("space")
    time.sleep(1)
    banc.capturer("panneau")
    visio = r"C:\outils\visio.exe"
    rep = r"C:\photos_e2e\ordre"

    # The short form: "ouvrir le répertoire de l'image" (424, 6, 217 x 27).
    banc.wine.cliquer(*centre(424, 6, 217, 27, (COURT_X, COURT_Y)))
    nw.verifier(lignes_temoin(banc, 1)[-1] == f'"{visio}" "{rep}"', f"ligne {lignes_temoin(banc, 1)}")

    # The long form: the album buttons and their "ouvrir" panels.
    banc.wine.cliquer(*centre(644, 6, 95, 27, (COURT_X, COURT_Y)))  # "plus d'options"
    time.sleep(1)
    banc.capturer("forme_longue")
    banc.wine.cliquer(*centre(794, 128, 49, 27, (LONG_X, LONG_Y)))  # open album A
    nw.verifier(lignes_temoin(banc, 2)[-1] == f'"{visio}" "C:\\albums\\A"', f"ligne {lignes_temoin(banc, 2)}")
    banc.wine.cliquer(*centre(653, 128, 132, 27, (LONG_X, LONG_Y)))  # copy to album A
    repondre_oui(banc, "Nocturo")
    copie = banc.wine.c("albums", "A", "ordre-a.jpg")
    nw.attendre_que(copie.exists, 20, quoi="la copie dans l'album A")
    nw.verifier(copie.read_bytes() == (dossier / "a.jpg").read_bytes(), "la copie diffère de l'image")

    # F3 and its question: the viewer's own slideshow of the directory.
    banc.touche("F3")
    repondre_oui(banc, "Confirmation")
    nw.verifier(lignes_temoin(banc, 3)[-1] == f'"{visio}" -slide "{rep}"', f"ligne {lignes_temoin(banc, 3)}")
    nw.attendre_que(lambda: not banc.wine.fenetres(nom="Visionneuse"), 20, quoi="la fin du visualiseur")
    banc.capturer("apres_f3")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


@scenario
def images_de_test(banc):
    dossier = banc.wine.c("___nb(1-341)jpg")
    dossier.mkdir(parents=True, exist_ok=True)
    with open(banc.journal, "ab") as log:
        code = subprocess.run(["wine", str(banc.scr.parent / "outils_test.exe"), r"C:\___nb(1-341)jpg"],
                              env=banc.wine.env, stdout=log, stderr=log, timeout=300).returncode
    nw.verifier(code == 0, f"outils_test.exe : code {code}")
    noms = sorted(p.name for p in dossier.iterdir())
    nw.verifier(noms == [f"image_{n:03d}.bmp" for n in range(1, 321)], f"{len(noms)} fichiers : {noms[:3]}...")
    # Number 7 centred: the black pixels' box has its middle at the picture's middle.
    sept = dossier / "image_007.bmp"
    png = banc.captures / "images_de_test_image_007.png"
    png.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["convert", str(sept), str(png)], check=True, timeout=60)
    brut = subprocess.run(["convert", str(sept), "-depth", "8", "gray:-"], capture_output=True, check=True,
                          timeout=60).stdout
    nw.verifier(len(brut) == 200 * 200, f"image_007.bmp n'est pas 200 x 200 ({len(brut)} pixels)")
    noirs = [(i % 200, i // 200) for i, v in enumerate(brut) if v < 128]
    nw.verifier(noirs, "image_007.bmp : aucun pixel noir")
    xs, ys = [x for x, _ in noirs], [y for _, y in noirs]
    milieu = ((min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2)
    nw.verifier(abs(milieu[0] - 100) <= 12 and abs(milieu[1] - 100) <= 20,
                f"le 7 n'est pas au centre : {milieu}, boîte {min(xs)}-{max(xs)} x {min(ys)}-{max(ys)}")


# Above the long form, right-aligned with it, the advanced panel (537 x 545); the renaming
# panel (577 x 473) at its top, left of the 252 pixels wide panel beside it.
AVANCES_X, AVANCES_Y = LONG_X + 1545 - 537, LONG_Y - 545 - 2
RENOMMAGE_X, RENOMMAGE_Y = AVANCES_X - 252 - 2 - 577 - 2, AVANCES_Y


@scenario
def renommage_montre_puis_renomme(banc):
    dates = banc.wine.c("photos_e2e") / "dates"
    for nom in ("051231 noel", "05-12-31 noel", "2005-08-28 deja", "20050828 rome"):
        (dates / nom).mkdir(parents=True, exist_ok=True)
    quartiers(montrer_dans_l_ordre(banc, ["a.jpg"], duree=2000) / "a.jpg")
    nw.ecrire_lignes(banc.wine.c("nocturo", "img_affichees.lst"), [RACINE + r"\ordre\a.jpg"])
    banc.lancer()
    time.sleep(4)
    banc.touche("space")
    time.sleep(1)
    banc.wine.cliquer(*centre(644, 6, 95, 27, (COURT_X, COURT_Y)))  # "plus d'options"
    time.sleep(1)
    banc.wine.cliquer(*centre(1358, 102, 179, 30, (LONG_X, LONG_Y)))  # "Paramètres avancés (bascule)"
    time.sleep(1)
    banc.wine.cliquer(*centre(347, 168, 180, 25, (AVANCES_X, AVANCES_Y)))  # "renommage par lot"
    time.sleep(1)
    # The folder typed where the chooser would put it, then "renommer".
    banc.wine.cliquer(*centre(144, 74, 281, 21, (RENOMMAGE_X, RENOMMAGE_Y)))
    banc.wine.x("xdotool", "type", "--delay", "40", r"C:\photos_e2e\dates")
    banc.capturer("panneau_renommage")
    banc.wine.cliquer(*centre(16, 436, 121, 25, (RENOMMAGE_X, RENOMMAGE_Y)))
    nw.attendre_que(lambda: banc.wine.fenetres(nom="^Confirmation$"), 20, quoi="la question « Renommer ? »")
    time.sleep(1)
    banc.capturer("question")
    nw.verifier((dates / "051231 noel").exists(), "renommé avant la réponse")
    repondre_oui(banc, "Confirmation")
    repondre_oui(banc, "Nocturo")
    # The picture is there again at once where the boxes were (the yellow quarter).
    vu = banc.wine.pixel_ecran(960, 560)
    nw.verifier(proche(vu, JAUNE), f"la boîte reste peinte sur l'image : {vu}")
    noms = sorted(p.name for p in dates.iterdir())
    # Of the two folders for the same day, the one listed first takes the name.
    restants = [n for n in noms if n in ("051231 noel", "05-12-31 noel")]
    nw.verifier(len(restants) == 1 and [n for n in noms if n not in restants] ==
                ["2005-08-28 deja", "2005-08-28 rome", "2005-12-31 noel"], f"dossiers {noms}")
    banc.capturer("journal")
    # The keyboard is the show's again after the boxes.
    banc.wine.touche("Escape")
    banc.attendre_fin(30, 1)
