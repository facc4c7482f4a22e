"""The preview of the desktop's screen-saver settings: drawn by a test program in a host window
of its own (Wine draws a child of another process's window nowhere), and nocturo.scr /p in
the window of another program, which it follows to the end without writing a file."""
import select
import shutil
import struct
import subprocess
import time

import nocturo_wine as nw
from banc import scenario
from scenarios_images import IMAGES, executer

PHOTOS = ("orientation_3.jpg", "orientation_6.jpg")


def photo_24_mp(banc):
    """A photo's size in the fixtures' four quarters, made once and kept beside the captures:
    ImageMagick takes seconds over it."""
    photo = banc.captures.parent / "apercu_6000x4000.jpg"
    if not photo.exists():
        provisoire = photo.with_suffix(".tmp.jpg")
        subprocess.run(["convert", "(", "-size", "3000x2000", "xc:red", "xc:lime", "+append", ")",
                        "(", "-size", "3000x2000", "xc:blue", "xc:yellow", "+append", ")", "-append",
                        "-quality", "90", str(provisoire)], check=True, timeout=120)
        provisoire.rename(photo)
    return photo


def copier_photos(banc):
    dossier = banc.wine.c("apercu_e2e")
    nw.supprimer(dossier)
    dossier.mkdir(parents=True)
    for nom in PHOTOS:
        shutil.copy(IMAGES / nom, dossier / nom)
    return dossier


def ecrire_cache(banc, repertoire, noms):
    """The catalogue cache as the show leaves it: the directory list, one 88-byte record a
    picture, then the marker."""
    donnees = banc.wine.c("nocturo")
    nw.ecrire_lignes(donnees / "toutes_img_ListBox_rep.dat", [repertoire])
    enregistrements = b"".join(struct.pack("<iB", 0, len(n)) + n.encode("cp1252").ljust(80, b"\0") + b"\0" * 3
                               for n in noms)
    (donnees / "toutes_img._nf").write_bytes(enregistrements)
    (donnees / "effacez_moi_pour_reinitialiser.___").write_bytes(b"")


def etat_fichiers(*dossiers):
    return {str(f): (f.stat().st_size, f.stat().st_mtime_ns, f.read_bytes())
            for d in dossiers for f in sorted(d.rglob("*")) if f.is_file()}


@scenario
def apercu_peint(banc):
    dossier = copier_photos(banc)
    try:
        shutil.copy(photo_24_mp(banc), dossier / "grande.jpg")
        executer(banc, "apercu_test.exe", r"C:\apercu_e2e")
    finally:
        nw.supprimer(dossier)


@scenario
def apercu_suit_son_hote(banc):
    dossier = copier_photos(banc)
    hote = None
    try:
        ecrire_cache(banc, r"C:\apercu_e2e", PHOTOS)
        avant = etat_fichiers(banc.wine.c("nocturo"), dossier)
        exe = banc.scr.parent / "apercu_test.exe"
        nw.verifier(exe.is_file(), f"{exe} absent : construisez d'abord le preset windows")
        hote = subprocess.Popen(["wine", str(exe), "--hote", "10"], env=banc.wine.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, start_new_session=True)
        pret, _, _ = select.select([hote.stdout], [], [], 60)
        premiere = hote.stdout.readline().decode("cp1252").split() if pret else []
        nw.verifier(len(premiere) == 2 and premiere[0] == "hote", f"l'hôte n'a pas donné sa fenêtre : {premiere}")
        banc.lancer("/p", premiere[1])
        # Alive beside its host, the pictures read and decoded all along.
        time.sleep(5)
        banc.verifier_en_vie()
        reste = hote.communicate(timeout=60)[0].decode("cp1252").split()
        nw.verifier(reste == ["enfant", "NocturoApercu"], f"l'hôte n'a pas vu l'aperçu : {reste}")
        # Gone with its host, as the dialog's preview must.
        banc.attendre_fin(10, 0)
        nw.verifier(etat_fichiers(banc.wine.c("nocturo"), dossier) == avant, "l'aperçu a changé un fichier")
    finally:
        nw.achever(hote)
        nw.supprimer(dossier)
