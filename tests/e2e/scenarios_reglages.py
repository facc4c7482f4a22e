"""Settings kept in C:\\nocturo across starts."""
import ecran
import nocturo_wine as nw
from scenarios_diaporama import ROUGE, proche, quartiers
from banc import scenario


def premier_depart(banc, etiquette):
    banc.lancer()
    return banc.attendre_ecran(ecran.premier_lancement, 60, etiquette,
                               "panneau long, Réinitialiser rouge et message du premier lancement")


def sans_boite(banc):
    """No window of the program but the full-screen one: no message box."""
    autres = [f for f in banc.wine.fenetres(classe="nocturo")
              if (banc.wine.geometrie(f) or ())[2:] != (nw.LARGEUR, nw.HAUTEUR)]
    nw.verifier(not autres, f"boîte ouverte : {[banc.wine.geometrie(f) for f in autres]}")


@scenario
def premier_demarrage(banc):
    # A new machine: no C:\Nocturo, nothing in the Pictures folder. No box, the guidance.
    premier_depart(banc, "premier_lancement")
    sans_boite(banc)
    nw.verifier(banc.wine.c("nocturo").is_dir(), "C:\\Nocturo n'a pas été créé")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


@scenario
def images_de_l_utilisateur_proposees(banc):
    """A new machine with pictures in the user's Pictures folder: asked, Oui, they show."""
    images = banc.dossier_images()
    (images / "vacances").mkdir()
    for nom in ("vacances/a.jpg", "b.jpg"):
        quartiers(images / nom)
    banc.lancer()
    question = nw.attendre_que(lambda: banc.wine.fenetres(nom="^Confirmation$"), 60, quoi="la question")
    banc.capturer("question")
    banc.wine.touche("Return", fenetre=question[0])
    # Red at the top left of the fitted picture (800 x 600 in 1920 x 1080: from x = 240).
    banc.attendre_ecran(lambda c: proche(c.pixel(500, 300), ROUGE), 20, "image", "une image du dossier Images")
    sans_boite(banc)
    banc.touche("Escape")
    banc.attendre_fin(30, 1)
    racines = banc.wine.c("nocturo", "nocturo.rep").read_bytes().decode("cp1252").split("\r\n")
    nw.verifier(len(racines) == 2 and racines[0].lower().endswith("\\pictures") and racines[1] == "",
                f"nocturo.rep : {racines!r}")


def lignes_parametres(fichier):
    brut = fichier.read_bytes()
    lignes = brut.split(b"\r\n")
    nw.verifier(lignes[-1] == b"", "nocturo_var.prm ne finit pas par CR LF")
    lignes = [l.decode("cp1252") for l in lignes[:-1]]
    nw.verifier(len(lignes) == 37, f"nocturo_var.prm a {len(lignes)} lignes au lieu de 37")
    nw.verifier(all("\r" not in l and "\n" not in l for l in lignes), "fin de ligne seule dans nocturo_var.prm")
    return lignes


def enregistrer(banc, fichier, etiquette):
    """Clicks "Enregistrer paramètres" and waits for the file to be written again."""
    avant = fichier.stat().st_mtime_ns if fichier.exists() else None
    banc.wine.cliquer(*ecran.BOUTON_ENREGISTRER)
    nw.attendre_que(lambda: fichier.exists() and fichier.stat().st_mtime_ns != avant, 20,
                    quoi=f"l'écriture de {fichier} par « Enregistrer paramètres »")
    banc.capturer(etiquette)
    return lignes_parametres(fichier)


@scenario
def enregistrer_parametres(banc):
    banc.wine.c("nocturo").mkdir()
    prm = banc.wine.c("nocturo", "nocturo_var.prm")
    premier_depart(banc, "premier")
    lignes = enregistrer(banc, prm, "enregistre")
    nw.verifier(lignes[0] == r"rep_album_A.Caption = C:\Nocturo\A", f"première ligne {lignes[0]!r}")
    nw.verifier("vmax = 100" in lignes, "vmax = 100 absent des réglages par défaut")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)

    # A value edited by hand between two runs survives the next save.
    nw.ecrire_lignes(prm, ["vmax = 77" if l == "vmax = 100" else l for l in lignes_parametres(prm)])
    premier_depart(banc, "relance")
    lignes = enregistrer(banc, prm, "reenregistre")
    nw.verifier("vmax = 77" in lignes, f"vmax perdu : {[l for l in lignes if l.startswith('vmax')]}")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)
