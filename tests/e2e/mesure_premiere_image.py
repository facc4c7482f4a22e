#!/usr/bin/env python3
"""Time from launching nocturo.scr under Wine to its first picture on screen, with catalogue
caches of 1, 100,000 and 1,000,000 pictures, in turns. The first picture is a red JPEG shown
first in catalogue order; the other entries are names only, never opened before it.

Run by hand (it asserts nothing), after e2e.py demarrer has booted the prefix:
  mesure_premiere_image.py --dossier build/native/tests/e2e --scr build/windows/nocturo.scr [-n 5]
"""
import argparse
import statistics
import struct
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
import nocturo_wine as nw  # noqa: E402

RACINE = r"C:\photos_demarrage"


def preparer(wine, nombre):
    nw.supprimer(wine.c("nocturo"))
    donnees = wine.c("nocturo")
    donnees.mkdir(parents=True)
    dossier = wine.c("photos_demarrage") / "premiere"
    if not (dossier / "a.jpg").exists():
        dossier.mkdir(parents=True, exist_ok=True)
        subprocess.run(["convert", "-size", "640x480", "xc:red", "-quality", "90", str(dossier / "a.jpg")],
                       check=True, timeout=60)
    lignes = [RACINE + r"\premiere"] + [RACINE + rf"\g{r // 100}\2014-10-05 sortie {r}"
                                        for r in range(max(0, nombre // 10))]
    table = bytearray(b"NOCT\xffIMG" + struct.pack("<II", 2, nombre))
    for i in range(nombre):
        nom = b"a.jpg" if i == 0 else f"IMG_{i}.JPG".encode()
        table += struct.pack("<iH", 0 if i == 0 else 1 + (i - 1) // 10, len(nom)) + nom
    nw.ecrire_lignes(donnees / "toutes_img_ListBox_rep.dat", lignes)
    (donnees / "toutes_img._nf").write_bytes(bytes(table))
    (donnees / "effacez_moi_pour_reinitialiser.___").write_bytes(b"")
    nw.ecrire_lignes(donnees / "nocturo.rep", [RACINE])
    nw.ecrire_lignes(donnees / "nocturo.repflag", ["true"])
    nw.ecrire_lignes(donnees / "img_affichees.lst", [RACINE + r"\premiere\a.jpg"])
    nw.ecrire_lignes(donnees / "nocturo_var.prm", ["CheckBox_rnd.Checked = false", "dt0_a = 3000",
                                                   f"indice_non_aleatoire = {nombre - 1}"])


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--dossier", type=Path, required=True)
    args.add_argument("--scr", type=Path, required=True)
    args.add_argument("-n", type=int, default=5)
    a = args.parse_args()
    etat = nw.lire_etat(a.dossier)
    wine = nw.Wine(etat["prefixe"], etat["display"], a.dossier / "journaux" / "mesure.log")
    tailles = [1, 100_000, 1_000_000]
    durees = {n: [] for n in tailles}
    for _ in range(a.n):
        for n in tailles:
            preparer(wine, n)
            d = nw.chronometrer_lancement(wine, a.scr, nw.est_rouge)
            if d:
                durees[n].append(d)
            time.sleep(1)
    reference = statistics.median(durees[1]) if durees[1] else None
    for n in tailles:
        if not durees[n]:
            print(f"cache de {n:>9} : aucune image en 60 s")
            continue
        m = statistics.median(durees[n])
        rapport = f"  rapport {m / reference:.2f}" if reference else ""
        print(f"cache de {n:>9} : min {min(durees[n]):.2f} s  médiane {m:.2f} s  max {max(durees[n]):.2f} s{rapport}")


if __name__ == "__main__":
    main()
