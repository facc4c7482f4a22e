"""Deep and long paths: a picture at the bottom of a thousand nested folders and one whose
full path passes 300 characters are both found by the first scan and shown."""
import os
import subprocess
import tempfile
from pathlib import Path

import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import lire_catalogue, quitter
from scenarios_diaporama import proche

# A root of its own: Python's rmtree, which the bench uses between scenarios, recurses once
# per level and stops at Python's limit of 1000 calls.
RACINE = r"C:\profond_e2e"
# Wine resolves the whole Unix path of every folder it opens, so each level costs more than
# the one above: 2000 levels take about four minutes here, too near the bench's limit per
# scenario, and their Unix path nears Linux's 4096 bytes. At 1000 the picture's path is
# still 2000 characters long.
PROFONDEUR = 1000
# Five names of 68 characters: the full path passes 300.
DOSSIERS_LONGS = [f"{i}_" + "dossier_au_nom_long_" * 3 + "x" * 6 for i in range(5)]
VERT, BLEU = (0, 255, 0), (0, 0, 255)


def jpeg_uni(couleur):
    """A 640 x 480 JPEG of one colour, as bytes."""
    with tempfile.TemporaryDirectory() as dossier:
        fichier = Path(dossier) / "uni.jpg"
        subprocess.run(["convert", "-size", "640x480", "xc:rgb({},{},{})".format(*couleur), "-quality", "95", "-strip",
                        str(fichier)], check=True, timeout=60)
        return fichier.read_bytes()


def chaine(racine, noms, fichier, octets):
    """Folders nested by name under `racine`, `fichier` at the bottom; each folder is made
    from its parent's descriptor, as the whole path may pass the system's limit."""
    haut = os.open(racine, os.O_RDONLY | os.O_DIRECTORY)
    try:
        for nom in noms:
            os.mkdir(nom, dir_fd=haut)
            bas = os.open(nom, os.O_RDONLY | os.O_DIRECTORY, dir_fd=haut)
            os.close(haut)
            haut = bas
        f = os.open(fichier, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644, dir_fd=haut)
        try:
            os.write(f, octets)
        finally:
            os.close(f)
    finally:
        os.close(haut)


def supprimer_arbre(racine):
    """Every folder is moved up to the root before it is emptied: no recursion, no path
    longer than two levels."""
    racine = Path(racine)
    if not racine.exists():
        return
    n = 0
    a_vider = [racine]
    while a_vider:
        dossier = a_vider.pop()
        for entree in list(os.scandir(dossier)):
            if entree.is_dir(follow_symlinks=False):
                n += 1
                remonte = racine / f"~a_supprimer~{n}"
                os.rename(entree.path, remonte)
                a_vider.append(remonte)
            else:
                os.unlink(entree.path)
        if dossier != racine:
            os.rmdir(dossier)
    os.rmdir(racine)


@scenario
def chemins_profonds_et_longs(banc):
    racine = banc.wine.c("profond_e2e")
    supprimer_arbre(racine)
    racine.mkdir()
    try:
        chaine(racine, ["d"] * PROFONDEUR, "vert.jpg", jpeg_uni(VERT))
        chaine(racine, DOSSIERS_LONGS, "bleu.jpg", jpeg_uni(BLEU))
        profonde = RACINE + "\\d" * PROFONDEUR + "\\vert.jpg"
        longue = "\\".join([RACINE, *DOSSIERS_LONGS, "bleu.jpg"])
        nw.verifier(len(longue) > 300, f"le chemin long n'a que {len(longue)} caractères")
        nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
        nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])
        # Catalogue order and short turns: the two pictures take turns on the screen.
        nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"),
                         ["Rdg1.ItemIndex = 0", "dt0_a = 2000", "dt1_a = 2000", "CheckBox_rnd.Checked = false"])
        banc.lancer()

        # A 4:3 picture fitted to the screen covers its centre.
        def couleur_au_centre(capture):
            p = capture.pixel(960, 540)
            return next((c for c in (VERT, BLEU) if proche(p, c)), None)
        premiere = banc.attendre_ecran(couleur_au_centre, 200, "premiere_image",
                                       "l'image verte du fond de la chaîne ou la bleue au chemin long")
        autre = BLEU if couleur_au_centre(premiere) == VERT else VERT
        banc.attendre_ecran(lambda c: couleur_au_centre(c) == autre, 30, "seconde_image",
                            f"l'autre image ({'bleue' if autre == BLEU else 'verte'})")
        quitter(banc)
        catalogue = lire_catalogue(banc)
        for chemin, quoi in ((profonde, "l'image du fond de la chaîne"), (longue, "l'image au chemin long")):
            nw.verifier(chemin in catalogue,
                        f"{quoi} absente du catalogue ({len(catalogue)} images : "
                        f"{[c[:60] + '...' + c[-20:] for c in catalogue]})")
    finally:
        banc.fermer()
        supprimer_arbre(racine)
