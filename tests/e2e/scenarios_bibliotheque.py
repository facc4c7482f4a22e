"""A library as users have it: names of 100 characters, Cyrillic, Greek and Japanese
folders, an emoji, accents written as marks of their own, .jpeg, PNG, GIF and TIFF. Every
picture is shown; a picture and a folder deleted under the running show do not end it;
the next start, from the cache, shows the long-named picture again."""
import subprocess
import time

import ecran
import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import RACINE, fichiers_cache, lire_catalogue, quitter
from scenarios_diaporama import proche

LONG = "2019-07-14 Feu d'artifice sur le pont vu depuis la terrasse de l'hôtel avec toute la famille réunie.jpg"
# One colour a picture, told apart at the centre of the screen.
BIBLIOTHEQUE = {
    ("Été 2019", LONG): (0, 0, 255),
    ("Москва 2019", "Прогулка по Красной площади.jpeg"): (255, 0, 0),
    ("東京", "東京タワーの夜景.png"): (0, 255, 0),
    ("Anniversaires", "🎂 Léa a 7 ans.gif"): (255, 255, 0),
    ("Ελλάδα", "Ακτή στη Νάξο.JPG"): (0, 255, 255),
    ("Scans", "album de mamie.tiff"): (255, 0, 255),
    ("Mac", "e\u0301te\u0301 a\u0300 Paris.jpg"): (255, 128, 0),
}
SUPPRIMEE = ("東京", "東京タワーの夜景.png")
DOSSIER_SUPPRIME = "Москва 2019"


def couleur_au_centre(capture):
    p = capture.pixel(nw.LARGEUR // 2, nw.HAUTEUR // 2)
    return next((c for c in BIBLIOTHEQUE.values() if proche(p, c, 40)), None)


def planter(banc):
    for (dossier, nom), couleur in BIBLIOTHEQUE.items():
        d = banc.wine.c("photos_e2e", dossier)
        d.mkdir(parents=True, exist_ok=True)
        # A GIF of two frames: the first one is shown.
        cadres = ["xc:rgb({},{},{})".format(*couleur)] + (["xc:black"] if nom.endswith(".gif") else [])
        subprocess.run(["convert", "-size", "640x480", *cadres, str(d / nom)], check=True, timeout=60)
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"),
                     ["Rdg1.ItemIndex = 0", "dt0_a = 1500", "CheckBox_rnd.Checked = false",
                      "RadioGroup_titre_ecran.ItemIndex = 2"])


def couleurs_vues(banc, duree, etiquette):
    """The colours at the centre of the screen over `duree` seconds, in the order shown."""
    vues = []
    fin = time.monotonic() + duree
    while time.monotonic() < fin:
        banc.verifier_en_vie()
        # One file for the phase, the last screen kept.
        c = couleur_au_centre(banc.wine.capturer(banc.captures / f"{banc.nom}_{etiquette}.png"))
        if c and (not vues or vues[-1] != c):
            vues.append(c)
        time.sleep(0.2)
    return vues


@scenario
def bibliotheque_reelle(banc):
    planter(banc)
    banc.lancer()
    banc.attendre_ecran(ecran.diaporama_lance, 90, "lance", "le diaporama")
    catalogue = lire_catalogue(banc)
    attendus = sorted(f"{RACINE}\\{d}\\{n}" for d, n in BIBLIOTHEQUE)
    nw.verifier(sorted(catalogue) == attendus, f"catalogue {catalogue}")

    # Every picture, in catalogue order, twice round.
    ordre = [BIBLIOTHEQUE[tuple(c[len(RACINE) + 1:].split("\\"))] for c in catalogue]
    vues = couleurs_vues(banc, 2 * 1.6 * len(ordre) + 3, "tour")
    nw.verifier(set(vues) == set(ordre), f"couleurs vues {vues}, attendues {ordre}")
    debut = ordre.index(vues[0])
    nw.verifier(vues == [ordre[(debut + k) % len(ordre)] for k in range(len(vues))],
                f"ordre vu {vues}, ordre du catalogue {ordre}")

    # A picture and a whole folder go while the show runs: it goes on without them.
    nw.supprimer(banc.wine.c("photos_e2e", *SUPPRIMEE))
    nw.supprimer(banc.wine.c("photos_e2e", DOSSIER_SUPPRIME))
    time.sleep(2)  # what was decoded ahead may still show once
    parties = {BIBLIOTHEQUE[SUPPRIMEE], BIBLIOTHEQUE[(DOSSIER_SUPPRIME, "Прогулка по Красной площади.jpeg")]}
    vues = couleurs_vues(banc, 2 * 1.6 * len(ordre), "apres_suppressions")
    nw.verifier(not parties & set(vues), f"des images parties sont revenues : {vues}")
    nw.verifier(len(set(vues)) == len(ordre) - 2, f"couleurs vues après les suppressions {vues}")
    banc.capturer("legende")
    quitter(banc)
    restes = lire_catalogue(banc)
    nw.verifier(len(restes) == len(ordre) - 2 and not any("Москва" in c or "タワー" in c for c in restes),
                f"le cache garde des images parties : {restes}")

    # From the cache, the long-named picture shows again.
    avant = fichiers_cache(banc)[0].read_bytes()
    banc.lancer()
    banc.attendre_ecran(lambda c: couleur_au_centre(c) == BIBLIOTHEQUE[("Été 2019", LONG)], 60,
                        "depuis_le_cache", "l'image au nom de 100 caractères")
    quitter(banc)
    nw.verifier(fichiers_cache(banc)[0].read_bytes() == avant, "le cache a été réécrit au second démarrage")
