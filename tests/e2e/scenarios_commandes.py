"""Commands while the slideshow runs: the mouse watch."""
import time

import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import ARBRE, attendre_diaporama, planter_arbre


def pointeur(banc, x, y):
    banc.wine.x("xdotool", "mousemove", str(x), str(y))


@scenario
def souris_rapide_quitte(banc):
    planter_arbre(banc, ARBRE)
    # Wine starts with the pointer at the centre: put the X pointer there first, or its
    # first reading looks like a jump.
    pointeur(banc, 960, 540)
    banc.lancer()
    attendre_diaporama(banc, "diaporama")

    # Vertical moves, however fast, and slow sideways ones do not end the show: 40 pixels
    # every half second is far below 100 pixels per 86.4 ms.
    for y in (100, 1000, 100, 540):
        pointeur(banc, 960, y)
        time.sleep(0.3)
    for x in range(960, 1360, 40):
        pointeur(banc, x, 540)
        time.sleep(0.5)
    time.sleep(0.6)
    banc.verifier_en_vie()
    banc.capturer("apres_mouvements_lents")

    # One fast sideways sweep ends it, with the quit path's code.
    pointeur(banc, 200, 540)
    banc.attendre_fin(20, 1)
