"""The manual that nocturo.scr carries, under Wine: the program's own reading of its
resource and the bytes inside nocturo.scr are the PDF the build made, and those bytes open
as the French manual, accents whole."""
import shutil
import subprocess

import nocturo_wine as nw
from banc import scenario
from scenarios_images import executer

TITRE = "Nocturo — manuel"
# Words of the text with the accents that a lost UTF-8 reading would break.
MOTS = ["Réinitialiser", "répertoires racines", "Échap", "Nocturo_exclusion.txt", "IMG_0012.JPG...IMG_0014.JPG",
        "2005-12-31 avg", "effacez_moi_pour_reinitialiser.___"]


def poppler(*commande):
    try:
        fini = subprocess.run(commande, capture_output=True, timeout=60)
    except FileNotFoundError:
        raise nw.EchecScenario(f"{commande[0]} absent : installez poppler-utils "
                               "(scripts/installer_dependances.sh)") from None
    nw.verifier(fini.returncode == 0, f"{' '.join(commande)} : code {fini.returncode}, "
                f"{fini.stderr.decode('utf-8', 'replace')}")
    return fini.stdout.decode("utf-8")


@scenario
def manuel_integre(banc):
    construit = banc.scr.parent / "manuel" / "Nocturo_Manuel.pdf"
    nw.verifier(construit.is_file(), f"{construit} absent : le preset windows a été construit sans groff "
                "ou sans son pilote PDF (gropdf)")
    dossier = banc.wine.c("manuel_e2e")
    nw.supprimer(dossier)
    dossier.mkdir(parents=True)
    shutil.copy(construit, dossier / "construit.pdf")
    shutil.copy(banc.scr, dossier / "nocturo.scr")
    try:
        executer(banc, "manuel_test.exe", r"C:\manuel_e2e\construit.pdf", r"C:\manuel_e2e\nocturo.scr",
                 r"C:\manuel_e2e\porte.pdf")
        porte = str(dossier / "porte.pdf")
        # The title the PDF reader shows, and the first page's.
        infos = poppler("pdfinfo", porte)
        titres = [l.split(":", 1)[1].strip() for l in infos.splitlines() if l.startswith("Title:")]
        nw.verifier(titres == [TITRE], f"titre du document : {titres}")
        premiere = poppler("pdftotext", "-f", "1", "-l", "1", porte, "-")
        nw.verifier(TITRE in premiere, f"« {TITRE} » absent de la première page :\n{premiere[:400]}")
        texte = " ".join(poppler("pdftotext", porte, "-").split())
        absents = [m for m in MOTS if m not in texte]
        nw.verifier(not absents, f"absents du texte du manuel : {absents}")
    finally:
        nw.supprimer(dossier)
