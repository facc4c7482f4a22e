"""Runs nocturo.scr under Wine on a private X display, and looks at what it shows.

Standard library only; the outside tools are Xvfb, wine, wineserver, xdotool and
ImageMagick (import, convert).
"""
import json
import os
import shutil
import signal
import struct
import subprocess
import time
from pathlib import Path

LARGEUR, HAUTEUR = 1920, 1080
GRIS = (128, 128, 128)


class EchecScenario(AssertionError):
    pass


def verifier(condition, message):
    if not condition:
        raise EchecScenario(message)


def attendre_que(condition, delai, pas=0.25, quoi="la condition"):
    """Polls `condition` until it returns something true; fails after `delai` seconds."""
    fin = time.monotonic() + delai
    while True:
        resultat = condition()
        if resultat:
            return resultat
        if time.monotonic() > fin:
            raise EchecScenario(f"attente dépassée ({delai} s) : {quoi}")
        time.sleep(pas)


# --- X display -------------------------------------------------------------------------

def _affichage_pris(n):
    return Path(f"/tmp/.X11-unix/X{n}").exists() or Path(f"/tmp/.X{n}-lock").exists()


def demarrer_xvfb(journal, premier=90):
    """Starts Xvfb on the first free display from :premier; returns (display, pid)."""
    for n in range(premier, premier + 60):
        if _affichage_pris(n):
            continue
        with open(journal, "ab") as log:
            xvfb = subprocess.Popen(
                ["Xvfb", f":{n}", "-screen", "0", f"{LARGEUR}x{HAUTEUR}x24", "-nolisten", "tcp"],
                stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
        fin = time.monotonic() + 15
        while time.monotonic() < fin and xvfb.poll() is None:
            if subprocess.run(["xdpyinfo", "-display", f":{n}"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0:
                return f":{n}", xvfb.pid
            time.sleep(0.2)
        if xvfb.poll() is None:
            xvfb.kill()
        # Another server took the number between our check and its start: try the next.
    raise EchecScenario("aucun affichage X libre pour Xvfb")


def tuer(pid):
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    for _ in range(50):
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            return
        time.sleep(0.1)
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


# --- Wine ------------------------------------------------------------------------------

class Wine:
    """A Wine prefix of our own on a given X display."""

    def __init__(self, prefixe, display, journal):
        self.prefixe = Path(prefixe)
        self.display = display
        self.journal = Path(journal)
        self.env = dict(os.environ, WINEPREFIX=str(self.prefixe), DISPLAY=display,
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.env.pop("WINELOADER", None)

    def _executer(self, commande, delai):
        with open(self.journal, "ab") as log:
            return subprocess.run(commande, env=self.env, stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=log, timeout=delai).returncode

    def amorcer(self):
        """Creates the prefix (a few seconds to a minute) unless it is already there."""
        if not (self.prefixe / "system.reg").exists():
            self.prefixe.mkdir(parents=True, exist_ok=True)
            self._executer(["wineboot", "-i"], 600)
            self._executer(["wineserver", "-w"], 600)
            verifier((self.prefixe / "drive_c" / "windows").is_dir(),
                     f"wineboot n'a pas créé le préfixe {self.prefixe}")
        # A server that stays up between runs makes each start cheaper.
        self._executer(["wineserver", "-p"], 60)

    def arreter(self):
        try:
            self._executer(["wineserver", "-k"], 60)
        except (subprocess.TimeoutExpired, FileNotFoundError):
            pass

    def registre(self, *arguments):
        """`wine reg` on the prefix (add, delete...); fails when it does."""
        code = self._executer(["wine", "reg", *arguments, "/f"], 60)
        verifier(code == 0, f"reg {' '.join(arguments)} : code {code}")

    def c(self, *morceaux):
        """Path under drive_c, each piece matched without regard to case as Windows does."""
        chemin = self.prefixe / "drive_c"
        for morceau in morceaux:
            chemin = _sans_casse(chemin, morceau)
        return chemin

    def lancer(self, scr, *arguments):
        with open(self.journal, "ab") as log:
            return subprocess.Popen(["wine", str(scr), *arguments], env=self.env,
                                    stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                    start_new_session=True)

    # X side: keys, mouse, windows, screenshots.
    def x(self, *commande):
        return subprocess.run(list(commande), env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=30)

    def touche(self, *touches, fenetre=None):
        # No window manager runs on Xvfb: the window has to be given the focus first.
        focus = ["windowfocus", "--sync", fenetre] if fenetre else []
        self.x("xdotool", *focus, "key", "--delay", "80", *touches)

    def cliquer(self, x, y):
        self.x("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.1)
        self.x("xdotool", "click", "1")

    def glisser(self, depart, arrivee, pas=10):
        """Button 1 held from `depart` to `arrivee`, through steps as a hand moves."""
        self.x("xdotool", "mousemove", *map(str, depart), "mousedown", "1")
        for i in range(1, pas + 1):
            time.sleep(0.05)
            self.x("xdotool", "mousemove", *(str(a + (b - a) * i // pas) for a, b in zip(depart, arrivee)))
        time.sleep(0.1)
        self.x("xdotool", "mouseup", "1")

    def fenetres(self, nom=None, classe=None):
        critere = ["--name", nom] if nom else ["--class", classe]
        r = self.x("xdotool", "search", "--onlyvisible", *critere)
        return r.stdout.split()

    def geometrie(self, fenetre):
        """(x, y, width, height) of an X window, its frame included; None once it is gone."""
        sortie = self.x("xdotool", "getwindowgeometry", "--shell", fenetre).stdout
        valeurs = dict(l.split("=", 1) for l in sortie.split() if "=" in l)
        cles = ("X", "Y", "WIDTH", "HEIGHT")
        return tuple(int(valeurs[k]) for k in cles) if all(k in valeurs for k in cles) else None

    def plein_ecran(self, classe="nocturo"):
        """The window covering the whole screen, if there is one."""
        for fenetre in self.fenetres(classe=classe):
            if (self.geometrie(fenetre) or ())[2:] == (LARGEUR, HAUTEUR):
                return fenetre
        return None

    def pixel_ecran(self, x, y):
        """One pixel straight from the X server, without keeping a file."""
        brut = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                              env=self.env, capture_output=True, timeout=30).stdout
        return tuple(brut[:3])

    def capturer(self, fichier):
        fichier = Path(fichier)
        fichier.parent.mkdir(parents=True, exist_ok=True)
        r = self.x("import", "-window", "root", str(fichier))
        verifier(r.returncode == 0, f"import a échoué : {r.stderr.strip()}")
        return Capture(fichier)


def _sans_casse(dossier, nom):
    direct = dossier / nom
    if direct.exists() or direct.is_symlink() or not dossier.is_dir():
        return direct
    for entree in dossier.iterdir():
        if entree.name.lower() == nom.lower():
            return entree
    return direct


# --- Screenshots -----------------------------------------------------------------------

class Capture:
    """A PNG of the root window, read back as RGB triples on demand."""

    def __init__(self, fichier):
        self.fichier = Path(fichier)

    def zone(self, x, y, largeur=1, hauteur=1):
        brut = subprocess.run(
            ["convert", str(self.fichier), "-crop", f"{largeur}x{hauteur}+{x}+{y}", "+repage",
             "-depth", "8", "rgb:-"], capture_output=True, timeout=30).stdout
        verifier(len(brut) == 3 * largeur * hauteur, f"lecture de pixels impossible dans {self.fichier}")
        return [tuple(brut[i:i + 3]) for i in range(0, len(brut), 3)]

    def pixel(self, x, y):
        return self.zone(x, y)[0]

    def compter(self, x, y, largeur, hauteur, accepte):
        return sum(1 for p in self.zone(x, y, largeur, hauteur) if accepte(p))


def est_jaune(p):
    r, g, b = p
    return r > 180 and g > 180 and b < 100


def est_rouge(p):
    r, g, b = p
    return r > 180 and g < 80 and b < 80


def est_gris(p):
    return all(abs(c - 128) <= 2 for c in p)


# --- Processes -------------------------------------------------------------------------

def attendre_fin(processus, delai):
    """Exit code of the Windows program (wine passes it on); fails after `delai` s."""
    try:
        return processus.wait(timeout=delai)
    except subprocess.TimeoutExpired:
        raise EchecScenario(f"le programme tourne encore après {delai} s") from None


def chronometrer_lancement(wine, scr, accepte, capture=None, delai=60):
    """Seconds from launching `scr` to the first time the screen's centre pixel passes
    `accepte` (a screenshot then kept in `capture` when given); None after `delai` seconds.
    The program is ended either way."""
    debut = time.monotonic()
    processus = wine.lancer(scr)
    try:
        while time.monotonic() - debut < delai:
            if accepte(wine.pixel_ecran(LARGEUR // 2, HAUTEUR // 2)):
                duree = time.monotonic() - debut
                if capture:
                    wine.capturer(capture)
                return duree
        return None
    finally:
        achever(processus)


def achever(processus):
    if processus and processus.poll() is None:
        try:
            os.killpg(processus.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        processus.wait(timeout=30)


# --- Files -----------------------------------------------------------------------------

def ecrire_lignes(fichier, lignes, codage="cp1252"):
    """A text file as the program writes them: CR LF after every line, Windows-1252."""
    fichier = Path(fichier)
    fichier.parent.mkdir(parents=True, exist_ok=True)
    fichier.write_bytes("".join(l + "\r\n" for l in lignes).encode(codage))


def lire_texte(fichier):
    """A text file the program wrote: UTF-8 after its byte-order mark, else Windows-1252."""
    brut = Path(fichier).read_bytes()
    return brut[3:].decode("utf-8") if brut[:3] == b"\xef\xbb\xbf" else brut.decode("cp1252")


def lire_lignes(fichier):
    """Its lines, each ended by CR LF as the program writes them."""
    texte = lire_texte(fichier)
    verifier(texte == "" or texte.endswith("\r\n"), f"{fichier} ne finit pas par CR LF")
    return texte.split("\r\n")[:-1]


def lire_cache(dat, nf):
    """Full paths of the catalogue cache, in the picture table's current form (a header,
    then the directory line, the name's length and the UTF-8 name of each picture) or in the
    earlier one (88-byte records, Windows-1252 names)."""
    repertoires = lire_lignes(dat)
    brut = Path(nf).read_bytes()
    chemins = []
    if brut[:8] == b"NOCT\xffIMG":
        version, nombre = struct.unpack_from("<II", brut, 8)
        verifier(version == 2, f"{nf} : version {version}")
        p = 16
        for _ in range(nombre):
            indice, longueur = struct.unpack_from("<iH", brut, p)
            p += 6
            verifier(0 <= indice < len(repertoires), f"indice_rep {indice} hors de la liste")
            chemins.append(repertoires[indice] + "\\" + brut[p:p + longueur].decode("utf-8"))
            p += longueur
        verifier(p == len(brut), f"{nf} : {len(brut) - p} octets en trop")
        return chemins
    verifier(len(brut) % 88 == 0, f"{nf} : {len(brut)} octets")
    for debut in range(0, len(brut), 88):
        indice, longueur = struct.unpack_from("<iB", brut, debut)
        verifier(0 <= indice < len(repertoires), f"indice_rep {indice} hors de la liste")
        chemins.append(repertoires[indice] + "\\" + brut[debut + 5:debut + 5 + longueur].decode("cp1252"))
    return chemins


def creer_images(racine, dossiers, largeur=640, hauteur=480):
    """JPEG pictures made with ImageMagick: {dossier: [(nom, fond), ...]}, the background
    in ImageMagick's words ("xc:blue", "gradient:navy-orange"), a white disc on it."""
    for dossier, images in dossiers.items():
        d = Path(racine) / dossier
        d.mkdir(parents=True, exist_ok=True)
        for nom, fond in images:
            subprocess.run(
                ["convert", "-size", f"{largeur}x{hauteur}", fond, "-fill", "white",
                 "-draw", f"circle {largeur // 2},{hauteur // 2} {largeur // 2},{hauteur // 3}",
                 "-quality", "85", str(d / nom)], check=True, timeout=60)


def supprimer(chemin):
    chemin = Path(chemin)
    if chemin.is_symlink() or chemin.is_file():
        chemin.unlink()
    elif chemin.is_dir():
        shutil.rmtree(chemin)


# --- State shared between the CTest processes ------------------------------------------

def lire_etat(dossier):
    fichier = Path(dossier) / "etat.json"
    verifier(fichier.exists(), f"{fichier} absent : le test e2e_demarrer n'a pas tourné")
    return json.loads(fichier.read_text())


def ecrire_etat(dossier, etat):
    (Path(dossier) / "etat.json").write_text(json.dumps(etat))
