#!/usr/bin/env python3
"""Memory of the show under Wine: VmRSS and its peak (VmHWM) of the nocturo.scr process, read
from /proc while it shows, for a small picture, one 24-megapixel picture fitted on screen,
and ten 24-megapixel pictures in turn (the next one decoded ahead while one is shown).

Run by hand (it asserts nothing), after e2e.py demarrer has booted the prefix:
  mesure_memoire.py --dossier build/native/tests/e2e --scr build/windows/nocturo.scr [-n 5]
Each show runs -n times, the three kinds of show interleaved; prints min / median / max.
"""
import argparse
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
import nocturo_wine as nw  # noqa: E402

RACINE = r"C:\photos_memoire"


def photo(fichier, largeur, hauteur):
    """A photo-like JPEG: plasma and grain, chroma halved as cameras do."""
    if not fichier.exists():
        subprocess.run(["convert", "-size", f"{largeur // 4}x{hauteur // 4}", "-seed", "7", "plasma:fractal",
                        "-blur", "0x1", "-resize", f"{largeur}x{hauteur}!", "-attenuate", "0.6",
                        "+noise", "Gaussian", "-quality", "92", "-sampling-factor", "2x2", str(fichier)],
                       check=True, timeout=300)


def processus_scr():
    """The pids of the processes running nocturo.scr (Wine's launcher hands over to it)."""
    pids = []
    for p in Path("/proc").iterdir():
        if not p.name.isdigit():
            continue
        try:
            ligne = (p / "cmdline").read_bytes()
        except OSError:
            continue
        if ligne.split(b"\0")[0].endswith(b"nocturo.scr"):
            pids.append(int(p.name))
    return pids


def statut(pid):
    valeurs = {}
    try:
        for ligne in Path(f"/proc/{pid}/status").read_text().splitlines():
            cle, _, reste = ligne.partition(":")
            if cle in ("VmRSS", "VmHWM"):
                valeurs[cle] = int(reste.split()[0]) / 1024
    except OSError:
        pass
    return valeurs


def une_mesure(wine, scr, noms, duree_s):
    """Shows `noms` for `duree_s` seconds; returns (VmRSS at the end, VmHWM) in MB."""
    nw.supprimer(wine.c("nocturo"))
    wine.c("nocturo").mkdir(parents=True, exist_ok=True)
    # Each show its own root: nothing but its pictures in the catalogue.
    nw.ecrire_lignes(wine.c("nocturo", "nocturo.rep"), [RACINE + "\\" + noms[0]])
    nw.ecrire_lignes(wine.c("nocturo", "nocturo.repflag"), ["true"])
    # Fitted on screen, no effect; each picture two seconds.
    nw.ecrire_lignes(wine.c("nocturo", "nocturo_var.prm"),
                     ["Rdg1.ItemIndex = 0", "dt0_a = 2000", "dt1_a = 2000", "RadioGroup_titre_ecran.ItemIndex = 2"])
    nw.ecrire_lignes(wine.c("nocturo", "image_rep_crt.txt"), [RACINE + "\\" + noms[0]] + noms[1])
    processus = wine.lancer(scr)
    try:
        debut = time.monotonic()
        dernier = {}
        while time.monotonic() - debut < duree_s:
            # The largest of them: the show itself.
            vus = [v for v in map(statut, processus_scr()) if v]
            if vus:
                dernier = max(vus, key=lambda v: v.get("VmHWM", 0))
            time.sleep(0.2)
        return dernier.get("VmRSS"), dernier.get("VmHWM")
    finally:
        nw.achever(processus)
        time.sleep(1)


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--dossier", type=Path, required=True)
    args.add_argument("--scr", type=Path, required=True)
    args.add_argument("-n", type=int, default=5)
    a = args.parse_args()
    etat = nw.lire_etat(a.dossier)
    (a.dossier / "journaux").mkdir(parents=True, exist_ok=True)
    wine = nw.Wine(etat["prefixe"], etat["display"], a.dossier / "journaux" / "mesure_memoire.log")
    travail = Path(a.dossier) / "mesure_memoire"
    travail.mkdir(parents=True, exist_ok=True)
    photo(travail / "petite.jpg", 320, 240)
    photo(travail / "grande.jpg", 6000, 4000)
    racine = wine.prefixe / "drive_c" / RACINE[3:]
    nw.supprimer(racine)
    for dossier in ("petite", "une", "dix"):
        (racine / dossier).mkdir(parents=True)
    shutil.copy(travail / "petite.jpg", racine / "petite" / "p.jpg")
    shutil.copy(travail / "grande.jpg", racine / "une" / "g.jpg")
    for i in range(10):
        shutil.copy(travail / "grande.jpg", racine / "dix" / f"g{i}.jpg")
    cas = [
        ("petite image 320x240", ("petite", ["p.jpg"]), 10),
        ("une image de 24 Mpx ajustee", ("une", ["g.jpg"]), 10),
        ("dix images de 24 Mpx, prechargees", ("dix", [f"g{i}.jpg" for i in range(10)]), 24),
    ]
    mesures = {nom: ([], []) for nom, _, _ in cas}
    for _ in range(a.n):
        for nom, noms, duree in cas:
            rss, hwm = une_mesure(wine, a.scr, noms, duree)
            if rss:
                mesures[nom][0].append(rss)
                mesures[nom][1].append(hwm)
    print(f"{'':40} VmRSS min / mediane / max       VmHWM min / mediane / max (Mo, {a.n} essais)")
    for nom, (rss, hwm) in mesures.items():
        if rss:
            print(f"{nom:40} {min(rss):6.0f} {statistics.median(rss):6.0f} {max(rss):6.0f}"
                  f"          {min(hwm):6.0f} {statistics.median(hwm):6.0f} {max(hwm):6.0f}")
    nw.supprimer(racine)


if __name__ == "__main__":
    main()
