"""What the slideshow window shows, read from a screenshot (1920 x 1080)."""
import nocturo_wine as nw

# Places that nothing covers while the program waits (the panel lies along the bottom).
ZONE_VIDE = [(960, 540), (1500, 400), (300, 600)]
# The captions: Label1 at 24, 8; Label6 at 23, 117 while waiting, above the long panel
# (left 187 + 50, top 854 - 150) with the first-run message. Captions run past their
# design widths.
ZONE_LABEL1 = (24, 8, 500, 40)
ZONE_PATIENTEZ = (23, 117, 420, 32)
ZONE_MESSAGE = (237, 704, 1200, 110)
# Long form of Panel1: 1545 x 214 at (1920 - 1545) / 2, 1080 - 214 - 12.
PANEL1_LONG = (187, 854)
# The Réinitialiser panel at 311, 54 (226 x 27) inside it, a few pixels in from its edge.
ZONE_REINITIALISER = (187 + 311 + 4, 854 + 54 + 4, 226 - 8, 27 - 8)
# "Enregistrer paramètres" (Button2 at 1359, 138, 178 x 23), its centre.
BOUTON_ENREGISTRER = (187 + 1359 + 89, 854 + 138 + 11)


def attente(capture):
    """Grey background and the yellow waiting text at Label6's place."""
    return (all(nw.est_gris(capture.pixel(x, y)) for x, y in ZONE_VIDE)
            and capture.compter(*ZONE_PATIENTEZ, nw.est_jaune) >= 30)


def reinitialiser_rouge(capture):
    x, y, l, h = ZONE_REINITIALISER
    return capture.compter(x, y, l, h, nw.est_rouge) > l * h // 2


def premier_lancement(capture):
    """Long panel with the red Réinitialiser panel and the first-run message above."""
    return reinitialiser_rouge(capture) and capture.compter(*ZONE_MESSAGE, nw.est_jaune) >= 100


def diaporama_lance(capture):
    """Start-up over: Label1 still shows, Label6 and the panel have gone."""
    return (capture.compter(*ZONE_LABEL1, nw.est_jaune) >= 30
            and capture.compter(*ZONE_PATIENTEZ, nw.est_jaune) == 0
            and capture.compter(*ZONE_MESSAGE, nw.est_jaune) == 0
            and not reinitialiser_rouge(capture))
