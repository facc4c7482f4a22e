"""Nothing stuck: a data directory read-only or full, the keyboard back after the viewer's
slideshow, every duration at 0 within a small share of the processor."""
import os
import shutil
import subprocess
import time

import nocturo_wine as nw
from banc import scenario
from scenarios_catalogue import RACINE
from scenarios_frais import couleur_au_centre, planter, COULEURS
from scenarios_outils import installer_temoin, lignes_temoin, repondre_oui


def monter(*commande):
    """A mount for the scenario; False where this machine does not allow it."""
    try:
        return subprocess.run(["mount", *commande], capture_output=True, timeout=30).returncode == 0
    except (OSError, subprocess.SubprocessError):
        return False


def demonter(dossier):
    subprocess.run(["umount", "-l", str(dossier)], capture_output=True, timeout=30)


def une_image_puis_echap(banc, etiquette, delai=90):
    """Answers at most one box with Return, waits for a picture of ours on screen, then Esc
    ends the program with 1."""
    boites = 0
    fichier = banc.captures / f"{banc.nom}_{etiquette}.png"
    fin = time.monotonic() + delai
    vue = None
    while time.monotonic() < fin and vue is None:
        banc.verifier_en_vie()
        boite = banc.wine.fenetres(nom="^Nocturo$")
        if boite:
            boites += 1
            nw.verifier(boites <= 1, "une seconde boîte de message")
            banc.wine.touche("Return", fenetre=boite[0])
            nw.attendre_que(lambda: not banc.wine.fenetres(nom="^Nocturo$"), 10, quoi="la fermeture de la boîte")
            continue
        vue = couleur_au_centre(banc.wine.capturer(fichier))
        # A box that came up while the screen was taken is not a picture.
        if vue is not None and banc.wine.fenetres(nom="^Nocturo$"):
            vue = None
            continue
        time.sleep(0.3)
    nw.verifier(vue is not None, "aucune image à l'écran")
    print(f"{boites} boîte(s) avant la première image")
    banc.touche("Escape")
    banc.attendre_fin(10, 1)
    return boites


def preparer(banc, n_dossiers=3, par_dossier=3):
    photos = banc.wine.c("photos_e2e")
    for k in range(n_dossiers):
        planter(photos / f"2019-0{k % 9 + 1} dossier {k}",
                [(f"p{par_dossier * k + i}.jpg", COULEURS[(par_dossier * k + i) % len(COULEURS)])
                 for i in range(par_dossier)])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.rep"), [RACINE])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo.repflag"), ["true"])
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"),
                     ["Rdg1.ItemIndex = 0", "dt0_a = 1500", "RadioGroup_titre_ecran.ItemIndex = 2"])


@scenario
def donnees_en_lecture_seule(banc):
    preparer(banc)
    donnees = banc.wine.c("nocturo")
    if not monter("--bind", str(donnees), str(donnees)):
        print("montage impossible sur cette machine : scénario sauté")
        return
    try:
        nw.verifier(monter("-o", "remount,ro,bind", str(donnees)), "remontage en lecture seule refusé")
        banc.lancer()
        une_image_puis_echap(banc, "lecture_seule")
        # The quit path tried its saves and ended all the same; a second run does too.
        banc.lancer()
        une_image_puis_echap(banc, "lecture_seule_bis")
    finally:
        demonter(donnees)


@scenario
def donnees_sur_disque_plein(banc):
    # A cache of 3,000 pictures cannot fit in 16 KiB.
    photos = banc.wine.c("photos_e2e")
    planter(photos / "modele", [("p.jpg", COULEURS[0])])
    modele = photos / "modele" / "p.jpg"
    for d in range(30):
        dossier = photos / f"2020-01 série {d:02d} avec un nom assez long pour peser"
        dossier.mkdir(parents=True, exist_ok=True)
        for i in range(100):
            shutil.copy(modele, dossier / f"photo numéro {i:03d} de la série.jpg")
    donnees = banc.wine.c("nocturo")
    donnees.mkdir(parents=True, exist_ok=True)
    if not monter("-t", "tmpfs", "-o", "size=16k", "tmpfs", str(donnees)):
        print("montage impossible sur cette machine : scénario sauté")
        return
    try:
        nw.ecrire_lignes(donnees / "nocturo.rep", [RACINE])
        nw.ecrire_lignes(donnees / "nocturo.repflag", ["true"])
        nw.ecrire_lignes(donnees / "nocturo_var.prm", ["Rdg1.ItemIndex = 0", "dt0_a = 1500"])
        banc.lancer()
        une_image_puis_echap(banc, "disque_plein")
        nw.verifier(not any(p.name.endswith(".nouveau") for p in donnees.iterdir()),
                    f"des fichiers temporaires restent : {sorted(p.name for p in donnees.iterdir())}")
    finally:
        demonter(donnees)


@scenario
def clavier_apres_le_visualiseur(banc):
    installer_temoin(banc)
    preparer(banc)
    prm = banc.wine.c("nocturo", "nocturo_var.prm")
    nw.ecrire_lignes(prm, prm.read_text("cp1252").splitlines() +
                     [r"xnview_alternative_Label.Caption = C:\outils\visio.exe"])
    nw.ecrire_lignes(banc.wine.c("nocturo", "img_affichees.lst"), [RACINE + r"\2019-01 dossier 0\p0.jpg"])
    banc.lancer()
    time.sleep(4)
    banc.touche("F3")
    repondre_oui(banc, "Confirmation")
    lignes_temoin(banc, 1)
    nw.attendre_que(lambda: banc.wine.fenetres(nom="Visionneuse"), 20, quoi="la fenêtre du visualiseur")
    # The viewer's window came and went; nobody clicks anywhere: the keys go wherever the
    # focus is, and Esc must reach the show.
    nw.attendre_que(lambda: not banc.wine.fenetres(nom="Visionneuse"), 20, quoi="la fin du visualiseur")
    time.sleep(1)
    banc.capturer("apres_visualiseur")
    banc.wine.touche("Escape")
    banc.attendre_fin(10, 1)


def temps_processeur(session):
    """Seconds of processor used so far by the processes of a session."""
    total = 0
    for entree in os.listdir("/proc"):
        if not entree.isdigit():
            continue
        try:
            with open(f"/proc/{entree}/stat") as f:
                champs = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(champs[3]) == session:  # the session id, after state, ppid, pgrp
            total += int(champs[11]) + int(champs[12])  # utime, stime
    return total / os.sysconf("SC_CLK_TCK")


@scenario
def durees_nulles(banc):
    preparer(banc)
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"),
                     ["Rdg1.ItemIndex = 0", "RadioGroup_titre_ecran.ItemIndex = 2"] +
                     [f"{d} = 0" for d in ("dt0_a", "dt1_a", "dt2_a", "dt2_b", "dt3_a", "dt3_b", "dt4_a", "dt4_b",
                                            "dt5_a", "dt5_b")])
    # The pace alone: a fade is frames at every refresh, which is what it costs.
    nw.ecrire_lignes(banc.wine.c("nocturo", "nocturo_plus.prm"), ["fondu_enchaine_ms = 0"])
    processus = banc.lancer()
    nw.attendre_que(lambda: couleur_au_centre(banc.wine.capturer(banc.captures / f"{banc.nom}_debut.png")), 60,
                    quoi="une image")
    time.sleep(2)
    avant, t0 = temps_processeur(processus.pid), time.monotonic()
    time.sleep(10)
    part = (temps_processeur(processus.pid) - avant) / (time.monotonic() - t0)
    print(f"durées à 0 : {100 * part:.1f} % d'un cœur sur 10 s")
    banc.touche("Escape")
    banc.attendre_fin(10, 1)
    nw.verifier(part < 0.15, f"{100 * part:.0f} % d'un cœur")
    prm = nw.lire_lignes(banc.wine.c("nocturo", "nocturo_var.prm"))
    nw.verifier("dt0_a = 0" in prm, f"la durée écrite par l'utilisateur a changé : {prm}")
