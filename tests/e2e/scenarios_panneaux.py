"""The control panels under Wine: whole and apart at 96, 120 and 144 points per inch, and where the
checker measured them in the program's own window; the control panel dragged off by its grip
into a floating window, used there, and back in its place at the next Space."""
import contextlib
import time

import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import RACINE
from scenarios_diaporama import ROUGE, montrer_dans_l_ordre, proche, quartiers
from scenarios_images import executer
from scenarios_outils import COURT_X, COURT_Y, LONG_X, LONG_Y

BUREAU = r"HKCU\Control Panel\Desktop"
# At 96 points per inch: the grip, at the left of the panel's design bounds, and the panel's
# two forms in their place at the bottom.
POIGNEE = 8
COURT = (COURT_X, COURT_Y, 1001, 39)
LONGUE = (LONG_X, LONG_Y, 1545, 214)


def est_face(p):
    """The light grey of the panels and buttons, neither the white of an edit nor a picture."""
    return 228 <= min(p) and max(p) <= 250 and max(p) - min(p) <= 8


def part_de_face(capture, x, y, largeur, hauteur):
    return capture.compter(x, y, largeur, hauteur, est_face) / (largeur * hauteur)


@contextlib.contextmanager
def resolution(banc, dpi):
    """The system's resolution for the programs started meanwhile; the prefix's own again after."""
    banc.wine.registre("add", BUREAU, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi))
    try:
        yield
    finally:
        banc.wine.registre("delete", BUREAU, "/v", "LogPixels")


def dispositions(lignes):
    """The checker's arrangements: [{"nom", "panneaux": {panel: (x, y, width, height)},
    "bouton": the button that brings up the next one, or None}]."""
    resultat = []
    for quoi, *reste in (l.split() for l in lignes if l.strip()):
        if quoi == "disposition":
            resultat.append({"nom": " ".join(reste), "panneaux": {}, "bouton": None})
        elif quoi == "panneau":
            resultat[-1]["panneaux"][reste[0]] = tuple(map(int, reste[1:5]))
        elif quoi == "bouton":
            resultat[-1]["bouton"] = tuple(map(int, reste[1:5]))
    return resultat


def centre(rect):
    x, y, l, h = rect
    return x + l // 2, y + h // 2


def premier_plan(banc):
    """A photo shown, not a first start: Space brings up the short form of the panel."""
    dossier = banc.wine.c("photos_e2e") / "ordre"
    dossier.mkdir(parents=True, exist_ok=True)
    quartiers(dossier / "a.jpg")
    montrer_dans_l_ordre(banc, ["a.jpg"])
    nw.ecrire_lignes(banc.wine.c("nocturo", "img_affichees.lst"), [RACINE + r"\ordre\a.jpg"])
    banc.lancer()
    banc.attendre_ecran(lambda c: proche(c.pixel(300, 300), ROUGE), 60, "image", "l'image")


@scenario
def panneaux_a_96_120_et_144_points_par_pouce(banc):
    for dpi in (96, 120, 144):
        with resolution(banc, dpi):
            lignes = executer(banc, "panneaux_test.exe")
            echelle = next((l for l in lignes if l.startswith("echelle")), "")
            nw.verifier(echelle.endswith(f"dpi {dpi}"),
                        f"le contrôleur n'a pas vu {dpi} points par pouce : {echelle!r}")
            # The program's window: each arrangement brought up by the button the checker
            # found, its panels where the checker measured them (the shots, one for each,
            # show the captions as the user sees them).
            premier_plan(banc)
            banc.touche("space")
            for d in dispositions(lignes):
                # Panels in their grey (less their white lists and edits), the picture above them.
                def montres(c):
                    return all(part_de_face(c, x, y, l, h) > 0.3 and part_de_face(c, x, y - 4, l, 3) < 0.2
                               for x, y, l, h in d["panneaux"].values())
                banc.attendre_ecran(montres, 10, f"{dpi}_" + d["nom"].replace(" ", "_"),
                                    f"{dpi} : {d['nom']} : les panneaux aux places mesurées {d['panneaux']}")
                if d["bouton"]:
                    banc.wine.cliquer(*centre(d["bouton"]))
            banc.touche("Escape")
            banc.attendre_fin(30, 1)


def flottante(banc):
    """The geometry of the floating window, if one shows."""
    plein = banc.wine.plein_ecran()
    for fenetre in banc.wine.fenetres(classe="nocturo"):
        g = banc.wine.geometrie(fenetre)
        if fenetre != plein and g and g[2] > 300:
            return g
    return None


@scenario
def saisie_dans_un_champ(banc):
    """Q, spaces and Del typed in "doit contenir" are letters there, not the show's commands."""
    premier_plan(banc)
    banc.touche("space")
    banc.attendre_ecran(lambda c: part_de_face(c, *COURT) > 0.5, 10, "court", "la forme courte en bas")
    banc.wine.cliquer(COURT_X + 644 + 95 // 2, COURT_Y + 6 + 27 // 2)  # plus d'options
    banc.attendre_ecran(lambda c: part_de_face(c, *LONGUE) > 0.5, 10, "longue", "la forme longue en bas")
    banc.wine.cliquer(LONG_X + 1179 + 188 // 2, LONG_Y + 51 + 15 // 2)  # doit contenir
    banc.wine.touche("Q", "u", "i", "m", "p", "e", "r", "space", "q", "Delete", "Left", "Right")
    time.sleep(1)
    banc.verifier_en_vie()
    banc.attendre_ecran(lambda c: part_de_face(c, *LONGUE) > 0.5, 5, "toujours_la", "le panneau toujours là")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


@scenario
def panneaux_flottant_puis_a_sa_place(banc):
    premier_plan(banc)
    banc.touche("space")
    banc.attendre_ecran(lambda c: part_de_face(c, *COURT) > 0.5, 10, "court", "la forme courte en bas")

    # Taken by the grip, dropped half way up the screen.
    prise = (COURT_X - POIGNEE // 2, COURT_Y + 19)
    banc.wine.glisser(prise, (prise[0], 540))
    gauche, haut = COURT_X, 540 - 19
    g = nw.attendre_que(lambda: flottante(banc), 10, quoi="la fenêtre flottante")
    nw.verifier(g[0] <= gauche - POIGNEE and g[1] < haut and g[0] + g[2] >= gauche + 1001,
                f"fenêtre flottante en {g}, le panneau lâché en {gauche}, {haut}")

    def deplace(c):
        return part_de_face(c, gauche, haut, 1001, 39) > 0.5 and part_de_face(c, *COURT) < 0.1
    banc.attendre_ecran(deplace, 10, "flottant", "le panneau à mi-hauteur, l'image à sa place")

    # Its buttons still work there: "plus d'options" grows it where it is, whole on the screen.
    banc.wine.cliquer(gauche + 644 + 95 // 2, haut + 6 + 27 // 2)
    g = nw.attendre_que(lambda: (f := flottante(banc)) and f[2] >= 1545 and f, 10,
                        quoi="la fenêtre flottante à la largeur de la forme longue")
    nw.verifier(g[0] >= 0 and g[1] >= 0 and g[0] + g[2] <= nw.LARGEUR and g[1] + g[3] <= nw.HAUTEUR,
                f"la forme longue flottante sort de l'écran : {g}")
    x, y, l, h = g

    def longue_flottante(c):
        # Below the caption of the window, the panel; where it lies when in place, the picture.
        return part_de_face(c, x + 4, y + h - 214, l - 8, 210) > 0.5 and part_de_face(c, *LONGUE) < 0.1
    banc.attendre_ecran(longue_flottante, 10, "longue_flottante", "la forme longue dans la fenêtre flottante")

    # Space hides it; the next Space lays it out again in its place at the bottom, in its
    # short form: the button that kept the focus did not take the Space for a click.
    banc.touche("space")
    nw.attendre_que(lambda: not flottante(banc), 10, quoi="la fenêtre flottante cachée")
    banc.attendre_ecran(lambda c: part_de_face(c, x, y, l, h) < 0.1, 10, "cache", "l'image sans panneau")
    banc.touche("space")
    banc.attendre_ecran(lambda c: part_de_face(c, *COURT) > 0.5 and part_de_face(c, gauche, haut, 1001, 39) < 0.1
                        and part_de_face(c, *LONGUE) < 0.3,
                        10, "a_sa_place", "le panneau de nouveau à sa place en bas, en forme courte")
    nw.verifier(not flottante(banc), "une fenêtre flottante reste")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)
