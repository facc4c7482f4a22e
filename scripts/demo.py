#!/usr/bin/env python3
"""Runs build/windows/nocturo.scr /s under Wine on a sample library in demo/prefix.

With $DISPLAY the screen saver opens there and runs until Esc. Without it, it runs on a
private Xvfb: screenshots every few seconds into demo/captures, then a burst of them (a
crossfade shows there), then Esc.
"""
import argparse
import os
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
DEPOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(DEPOT / "tests" / "e2e"))
import nocturo_wine as nw  # noqa: E402

DEMO = DEPOT / "demo"
PHOTOS = {
    "2014-10-05 Avignon": [("IMG_0001.JPG", "gradient:navy-orange"), ("IMG_0002.JPG", "gradient:darkred-gold"),
                           ("IMG_0003.JPG", "plasma:fractal")],
    "051231 noel": [("sapin.jpg", "gradient:darkgreen-white"), ("neige.jpg", "gradient:steelblue-white")],
    r"2019-07-14 Bretagne\plage": [("mer.JPG", "gradient:skyblue-teal"), ("sable.JPG", "gradient:khaki-sienna")],
    # Names and kinds as phones and other countries make them.
    "Москва 2019": [("Прогулка по Красной площади.jpeg", "gradient:firebrick-khaki")],
    "Captures d'écran": [("Capture d'écran 2024-03-01 à 10.14.22 avec un nom bien plus long que 80 caractères.png",
                          "gradient:purple-pink")],
}


def preparer(wine):
    """The sample pictures (made once) and a data directory that lists their root."""
    racine = wine.c("photos_demo")
    if not racine.exists():
        nw.creer_images(racine, {d.replace("\\", "/"): i for d, i in PHOTOS.items()}, 1600, 1000)
    nw.supprimer(wine.c("nocturo"))
    nw.ecrire_lignes(wine.c("nocturo", "nocturo.rep"), [r"C:\photos_demo"])
    nw.ecrire_lignes(wine.c("nocturo", "nocturo.repflag"), ["true"])
    print(f"Photos : {racine} (C:\\photos_demo dans Wine)")


def main():
    args = argparse.ArgumentParser(description=__doc__)
    args.add_argument("--captures", type=int, default=5, help="screenshots without a display")
    args.add_argument("--intervalle", type=float, default=4, help="seconds between screenshots")
    args.add_argument("--rafale", type=int, default=8, help="screenshots in a burst at the end")
    a = args.parse_args()
    scr = DEPOT / "build" / "windows" / "nocturo.scr"
    if not scr.is_file():
        sys.exit(f"{scr} absent : lancez scripts/demo.sh")
    DEMO.mkdir(exist_ok=True)
    journal = DEMO / "wine.log"
    display = os.environ.get("DISPLAY")
    xvfb = None
    if not display:
        display, xvfb = nw.demarrer_xvfb(journal)
        print(f"Pas d'écran : Xvfb privé sur {display}")
    wine = nw.Wine(DEMO / "prefix", display, journal)
    processus = None
    try:
        print("Préparation du préfixe Wine (la première fois, une minute environ)...")
        wine.amorcer()
        preparer(wine)
        processus = wine.lancer(scr, "/s")
        if xvfb is None:
            print("Nocturo tourne ; Esc ou Q pour quitter.")
            code = processus.wait()
        else:
            captures = DEMO / "captures"
            for ancienne in captures.glob("demo_*.png"):
                ancienne.unlink()
            for n in range(1, a.captures + 1):
                time.sleep(a.intervalle)
                print(f"capture : {wine.capturer(captures / f'demo_{n:02d}.png').fichier}")
            # A burst, shots as fast as they come: a picture fading into the next shows there.
            for n in range(1, a.rafale + 1):
                print(f"capture : {wine.capturer(captures / f'demo_rafale_{n:02d}.png').fichier}")
            wine.touche("Escape", fenetre=wine.plein_ecran())
            code = nw.attendre_fin(processus, 30)
        print(f"Nocturo terminé, code de sortie {code}")
    finally:
        nw.achever(processus)
        wine.arreter()
        if xvfb:
            nw.tuer(xvfb)


if __name__ == "__main__":
    main()
