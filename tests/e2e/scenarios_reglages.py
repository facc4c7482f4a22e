"""Settings kept in C:\\nocturo across starts."""
import ecran
import nocturo_wine as nw
from banc import scenario


def premier_depart(banc, etiquette):
    banc.lancer()
    return banc.attendre_ecran(ecran.premier_lancement, 60, etiquette,
                               "panneau long, Réinitialiser rouge et message du premier lancement")


@scenario
def premier_demarrage(banc):
    banc.wine.c("nocturo").mkdir()
    premier_depart(banc, "premier_lancement")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


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
