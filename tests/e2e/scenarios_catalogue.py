"""The picture catalogue: the first scan, the cache at later starts, links that loop."""
import os

import ecran
import nocturo_wine as nw
from banc import scenario

RACINE = r"C:\photos_e2e"
ARBRE = {
    "2014-10-05 Avignon": [("IMG_0001.JPG", "xc:blue"), ("IMG_0002.jpg", "xc:navy")],
    "051231 noel": [("sapin.jpg", "xc:green")],
    r"2019-07 Bretagne\plage": [("mer.JPG", "xc:teal")],
}


def planter_arbre(banc, arbre):
    """The pictures under C:\\photos_e2e, and that root checked in nocturo.rep."""
    nw.creer_images(banc.wine.c("photos_e2e"), {d.replace("\\", "/"): i for d, i in arbre.items()})
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])


def fichiers_cache(banc):
    return [banc.wine.c("nocturo", nom) for nom in
            ("toutes_img._nf", "toutes_img_ListBox_rep.dat", "effacez_moi_pour_reinitialiser.___")]


def lire_catalogue(banc):
    """Full paths of the catalogue, as the cache files give them."""
    nf, dat, _ = fichiers_cache(banc)
    return nw.lire_cache(dat, nf)


def attendre_diaporama(banc, etiquette, delai=60):
    banc.attendre_ecran(ecran.diaporama_lance, delai, etiquette,
                        "fin du démarrage (panneau et « patientez » disparus)")


def quitter(banc):
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


def attendus(arbre):
    return sorted(f"{RACINE}\\{d}\\{nom}" for d, images in arbre.items() for nom, _ in images)


def empreinte(fichier):
    return (fichier.read_bytes(), fichier.stat().st_mtime_ns) if fichier.exists() else None


@scenario
def cache_catalogue(banc):
    planter_arbre(banc, ARBRE)
    banc.lancer()
    attendre_diaporama(banc, "premier")
    quitter(banc)
    for fichier in fichiers_cache(banc):
        nw.verifier(fichier.exists(), f"{fichier.name} absent après le premier démarrage")
    nw.verifier(sorted(lire_catalogue(banc)) == attendus(ARBRE), f"catalogue {lire_catalogue(banc)}")

    # A later start reads the cache and walks nothing before its first picture: a new
    # picture stays unseen. The walk beside the show brings it in at the next picture, which
    # a long first hold keeps away.
    nw.creer_images(banc.wine.c("photos_e2e"), {"2014-10-05 Avignon": [("IMG_0003.JPG", "xc:purple")]})
    prm = banc.wine.c("nocturo", "nocturo_var.prm")
    lignes = nw.lire_lignes(prm) if prm.exists() else []
    nw.ecrire_lignes(prm, [l for l in lignes if not l.startswith("dt0_a ")] + ["dt0_a = 600000"])
    avant = [empreinte(f) for f in fichiers_cache(banc)]
    banc.lancer()
    attendre_diaporama(banc, "depuis_le_cache")
    quitter(banc)
    apres = [empreinte(f) for f in fichiers_cache(banc)]
    nw.verifier(apres == avant, "les fichiers du cache ou le marqueur ont changé au second démarrage")


@scenario
def boucle_de_liens(banc):
    # Two links back to the root: a walk that follows them never ends.
    arbre = {"x": [("a.jpg", "xc:blue")], "y": [("b.jpg", "xc:green")]}
    planter_arbre(banc, arbre)
    for dossier in arbre:
        os.symlink("..", banc.wine.c("photos_e2e", dossier) / "l")
    banc.lancer()
    attendre_diaporama(banc, "apres_le_parcours", delai=90)
    quitter(banc)
    nw.verifier(fichiers_cache(banc)[2].exists(), "marqueur absent après le parcours")
    catalogue = lire_catalogue(banc)
    nw.verifier(set(attendus(arbre)) <= set(catalogue), f"images réelles absentes : {catalogue[:10]}")
