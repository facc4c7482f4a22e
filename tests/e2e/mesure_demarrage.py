#!/usr/bin/env python3
"""Time from launching nocturo.scr under Wine to the first screenshot of the grey screen.

Run by hand (it asserts nothing), after e2e.py demarrer has booted the prefix:
  mesure_demarrage.py --dossier build/native/tests/e2e --scr build/windows/nocturo.scr [-n 5]
"""
import argparse
import statistics
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
import nocturo_wine as nw  # noqa: E402


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--dossier", type=Path, required=True)
    args.add_argument("--scr", type=Path, required=True)
    args.add_argument("-n", type=int, default=5)
    a = args.parse_args()
    etat = nw.lire_etat(a.dossier)
    wine = nw.Wine(etat["prefixe"], etat["display"], a.dossier / "journaux" / "mesure.log")
    durees = []
    for i in range(a.n):
        nw.supprimer(wine.c("nocturo"))
        nw.ecrire_lignes(wine.c("nocturo", "img_affichees.lst"), [r"C:\photos\vue.jpg"])
        duree = nw.chronometrer_lancement(wine, a.scr, nw.est_gris, a.dossier / "captures" / f"mesure_{i + 1}.png")
        print(f"essai {i + 1} : " + (f"{duree:.2f} s" if duree else "pas d'écran gris en 60 s"))
        if duree:
            durees.append(duree)
        time.sleep(1)
    if durees:
        print(f"médiane {statistics.median(durees):.2f} s, min {min(durees):.2f} s, max {max(durees):.2f} s")


if __name__ == "__main__":
    main()
