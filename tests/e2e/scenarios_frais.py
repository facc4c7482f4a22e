"""The catalogue keeps itself fresh and the random order keeps its promise: with the
default groups, nine pictures over nine are nine different ones, and the next nine too; a
folder added between two runs is shown in the second without any reset, and a picture
deleted between them does not end it."""
import subprocess
import time

import ecran
import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import RACINE, fichiers_cache, lire_catalogue, quitter
from scenarios_diaporama import proche

DUREE = 2.0  # seconds a picture stays
COULEURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255), (0, 255, 255), (255, 128, 0),
            (128, 0, 255), (255, 255, 255)]
NOUVELLES = [(0, 128, 0), (128, 128, 255)]


def planter(dossier, noms_couleurs):
    dossier.mkdir(parents=True, exist_ok=True)
    for nom, c in noms_couleurs:
        subprocess.run(["convert", "-size", "640x480", "xc:rgb({},{},{})".format(*c), str(dossier / nom)],
                       check=True, timeout=60)


def couleur_au_centre(capture):
    p = capture.pixel(nw.LARGEUR // 2, nw.HAUTEUR // 2)
    return next((c for c in COULEURS + NOUVELLES if proche(p, c, 40)), None)


def attendre_couleurs(banc, accepte, delai, etiquette):
    """Screenshots until `accepte(colours seen so far)`; the colours in the order seen."""
    fichier = banc.captures / f"{banc.nom}_{etiquette}.png"
    vues = []
    fin = time.monotonic() + delai
    while time.monotonic() < fin and not accepte(vues):
        banc.verifier_en_vie()
        c = couleur_au_centre(banc.wine.capturer(fichier))
        if c and (not vues or vues[-1] != c):
            vues.append(c)
        time.sleep(0.2)
    return vues


def historique(banc):
    """The pictures shown, as the quit path saved them."""
    return nw.lire_lignes(banc.wine.c("nocturo", "img_affichees.lst"))


@scenario
def catalogue_frais(banc):
    photos = banc.wine.c("photos_e2e")
    for k in range(3):
        planter(photos / f"2019-0{k + 1} dossier {k}", [(f"p{3 * k + i}.jpg", COULEURS[3 * k + i]) for i in range(3)])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])
    # A setting changed from the window's own makes the quit path save, history included.
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"),
                     ["Rdg1.ItemIndex = 0", f"dt0_a = {int(DUREE * 1000)}", "CheckBox_rnd.Checked = true",
                      "RadioGroup_titre_ecran.ItemIndex = 2"])
    banc.lancer()
    banc.attendre_ecran(ecran.diaporama_lance, 90, "lance", "le diaporama")
    attendre_couleurs(banc, lambda v: len(v) >= 20, 20 * DUREE + 30, "premier")
    quitter(banc)
    vues = historique(banc)
    nw.verifier(len(vues) >= 18, f"{len(vues)} images vues")
    nw.verifier(len(set(vues[:9])) == 9 and len(set(vues[9:18])) == 9,
                f"une image revenue avant les autres : {vues[:9]} puis {vues[9:18]}")

    # Between the runs: a holiday folder copied in, a picture deleted.
    planter(photos / "Vacances été", [("n0.png", NOUVELLES[0]), ("n1.jpeg", NOUVELLES[1])])
    nw.supprimer(photos / "2019-01 dossier 0" / "p0.jpg")
    banc.lancer()
    banc.attendre_ecran(ecran.diaporama_lance, 90, "relance", "le diaporama depuis le cache")
    deja = len(historique(banc))
    vues = attendre_couleurs(banc, lambda v: all(c in v for c in NOUVELLES), 30 * DUREE, "second")
    nw.verifier(all(c in vues for c in NOUVELLES), f"les nouvelles images ne sont pas venues : {vues}")
    quitter(banc)
    seconde = historique(banc)[deja:]
    nw.verifier(not any(l.endswith("p0.jpg") for l in seconde), f"l'image effacée est revenue : {seconde}")
    catalogue = lire_catalogue(banc)
    nw.verifier(len(catalogue) == 10 and any("Vacances été" in c for c in catalogue), f"cache {catalogue}")
    nw.verifier(fichiers_cache(banc)[2].exists(), "marqueur absent")
