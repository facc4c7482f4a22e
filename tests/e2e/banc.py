"""The bench a scenario runs on: the shared prefix and display, its own files and shots."""
from pathlib import Path

import nocturo_wine as nw

SCENARIOS = {}


def scenario(fonction):
    SCENARIOS[fonction.__name__] = fonction
    return fonction


class Banc:
    def __init__(self, dossier, scr, nom):
        etat = nw.lire_etat(dossier)
        self.nom = nom
        self.scr = Path(scr)
        self.journal = Path(dossier) / "journaux" / f"{nom}.log"
        self.journal.parent.mkdir(parents=True, exist_ok=True)
        self.journal.write_bytes(b"")
        self.wine = nw.Wine(etat["prefixe"], etat["display"], self.journal)
        self.captures = Path(dossier) / "captures"
        self.processus = None
        self.derniere = None
        self.n = 0

    def remettre_a_zero(self):
        """The program's files go; the prefix itself is never copied nor rebuilt."""
        for chemin in (("nocturo",), ("windows", "Noc_turo.ini"), ("photos_e2e",)):
            nw.supprimer(self.wine.c(*chemin))
        for ancienne in self.captures.glob(f"{self.nom}_*.png"):
            ancienne.unlink()
        # Wine links the user's Pictures folder to the home directory, whose pictures would
        # be offered at a first start: an empty folder of the bench's own instead.
        images = self.dossier_images()
        nw.supprimer(images)
        images.mkdir()
        restes = self.wine.fenetres(classe="nocturo")
        nw.verifier(not restes, f"fenêtres nocturo restées d'un autre scénario : {restes}")

    def dossier_images(self):
        """The user's Pictures folder in the prefix."""
        utilisateurs = [u for u in self.wine.c("users").iterdir() if u.name != "Public" and u.is_dir()]
        nw.verifier(len(utilisateurs) == 1, f"utilisateurs du préfixe : {utilisateurs}")
        return utilisateurs[0] / "Pictures"

    def lancer(self, *arguments):
        nw.achever(self.processus)
        self.processus = self.wine.lancer(self.scr, *arguments)
        return self.processus

    def capturer(self, etiquette):
        self.n += 1
        self.derniere = self.wine.capturer(self.captures / f"{self.nom}_{self.n:02d}_{etiquette}.png")
        return self.derniere

    def attendre_ecran(self, accepte, delai, etiquette, quoi):
        """Screenshots until `accepte(capture)`; the last one stays under `etiquette`."""
        self.n += 1
        fichier = self.captures / f"{self.nom}_{self.n:02d}_{etiquette}.png"

        def essai():
            self.verifier_en_vie()
            self.derniere = self.wine.capturer(fichier)
            return self.derniere if accepte(self.derniere) else None

        return nw.attendre_que(essai, delai, pas=0.3, quoi=quoi)

    def touche(self, *touches):
        """Keys to the slideshow window."""
        fenetre = nw.attendre_que(self.wine.plein_ecran, 10, quoi="la fenêtre plein écran")
        self.wine.touche(*touches, fenetre=fenetre)

    def attendre_fenetre(self, nom, delai):
        def essai():
            self.verifier_en_vie()
            return self.wine.fenetres(nom=nom)
        return nw.attendre_que(essai, delai, quoi=f"une fenêtre nommée {nom!r}")

    def verifier_en_vie(self):
        code = self.processus.poll()
        nw.verifier(code is None, f"le programme s'est arrêté trop tôt (code {code})")

    def attendre_fin(self, delai, code_attendu):
        code = nw.attendre_fin(self.processus, delai)
        nw.verifier(code == code_attendu, f"code de sortie {code}, attendu {code_attendu}")

    def attendre_fichier(self, chemin, delai):
        return nw.attendre_que(lambda: chemin.exists() and chemin, delai, quoi=f"le fichier {chemin}")

    def fermer(self):
        nw.achever(self.processus)

    def expliquer(self):
        if self.derniere:
            print(f"dernière capture : {self.derniere.fichier}")
        print(f"journal de Wine : {self.journal}")
