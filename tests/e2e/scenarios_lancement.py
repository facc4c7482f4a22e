"""Start-up modes: the waiting screen, the /c dialog, the preview switch."""
import ecran
import nocturo_wine as nw
from banc import scenario


@scenario
def attente_grise(banc):
    # A saved history keeps the first-run message out of Label6.
    nw.ecrire_lignes(banc.wine.c("nocturo", "img_affichees.lst"), [r"C:\photos\vue.jpg"])
    banc.lancer()
    banc.attendre_ecran(ecran.attente, 60, "attente", "fond gris 128 et « patientez ...   ou   Esc » en jaune")
    banc.touche("Escape")
    banc.attendre_fin(30, 1)


TEXTE_DEFAUT = "Tobrel je vais t'hypnotiser !"

# (case, arguments, ini before, key, ini expected after; None: no file)
CAS_PARAMETRES = [
    ("le premier OK crée le fichier", ["/c"], None, "Return",
     {"Texte": TEXTE_DEFAUT, "Couleur": "Rouge"}),
    ("OK garde le texte lu et ajoute la couleur", ["/c:1234"], {"Texte": "Bonjour Brumoline"}, "Return",
     {"Texte": "Bonjour Brumoline", "Couleur": "Rouge"}),
    ("Annuler sans fichier n'en crée pas", ["/c"], None, "Escape", None),
    ("Annuler laisse le fichier tel quel", ["/c", "4321"], {"Texte": "Bonjour", "Couleur": "Vert"}, "Escape",
     {"Texte": "Bonjour", "Couleur": "Vert"}),
]


def lire_ini(fichier):
    if not fichier.exists():
        return None
    brut = fichier.read_bytes()
    texte = brut.decode("utf-16") if brut[:2] in (b"\xff\xfe", b"\xfe\xff") else brut.decode("cp1252")
    valeurs, section = {}, None
    for ligne in texte.splitlines():
        ligne = ligne.strip()
        if ligne.startswith("[") and ligne.endswith("]"):
            section = ligne[1:-1]
        elif "=" in ligne and section == "Parametres":
            cle, valeur = ligne.split("=", 1)
            valeurs[cle.strip()] = valeur.strip()
    return valeurs


@scenario
def dialogue_parametres(banc):
    ini = banc.wine.c("windows", "Noc_turo.ini")
    echecs = []
    for n, (cas, arguments, avant, touche, attendu) in enumerate(CAS_PARAMETRES, 1):
        nw.supprimer(ini)
        if avant is not None:
            nw.ecrire_lignes(ini, ["[Parametres]"] + [f"{c}={v}" for c, v in avant.items()])
        octets_avant = ini.read_bytes() if ini.exists() else None
        try:
            banc.lancer(*arguments)
            fenetres = banc.attendre_fenetre("Param", 30)
            titre = banc.wine.x("xdotool", "getwindowname", fenetres[0]).stdout.strip()
            nw.verifier(titre == "Paramètres", f"titre {titre!r}")
            banc.capturer(f"cas{n}_{touche.lower()}")
            banc.wine.touche(touche, fenetre=fenetres[0])
            banc.attendre_fin(20, 0)
            obtenu = lire_ini(ini)
            nw.verifier(obtenu == attendu, f"Noc_turo.ini : {obtenu}, attendu {attendu}")
            if touche == "Escape" and octets_avant is not None:
                nw.verifier(ini.read_bytes() == octets_avant, "Annuler a réécrit Noc_turo.ini")
        except nw.EchecScenario as e:
            echecs.append(f"{cas} ({' '.join(arguments)}, {touche}) : {e}")
            banc.fermer()
    nw.verifier(not echecs, "\n  ".join([""] + echecs))


@scenario
def apercu_sans_fenetre(banc):
    banc.lancer("/p")
    banc.attendre_fin(30, 0)
    nw.verifier(not banc.wine.c("nocturo").exists(), "l'aperçu a créé le dossier de données")
