"""Pictures under Wine: the Windows test programs built next to nocturo.scr run the decoder
and the loader over every file of tests/fixtures/images, and the window's painter over
pictures placed inside, across and outside the screen."""
import os
import shutil
import signal
import subprocess
from pathlib import Path

import nocturo_wine as nw
from banc import scenario

IMAGES = Path(__file__).resolve().parents[1] / "fixtures" / "images"


def executer(banc, programme, *arguments, delai=180):
    """Runs a test program of the windows build; fails with its lines that are not ok."""
    exe = banc.scr.parent / programme
    nw.verifier(exe.is_file(), f"{exe} absent : construisez d'abord le preset windows")
    processus = subprocess.Popen(["wine", str(exe), *arguments], env=banc.wine.env, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        brut, _ = processus.communicate(timeout=delai)
    except subprocess.TimeoutExpired:
        os.killpg(processus.pid, signal.SIGKILL)
        processus.communicate()
        raise nw.EchecScenario(f"{programme} tourne encore après {delai} s") from None
    sortie = brut.decode("cp1252", "replace").replace("\r\n", "\n")
    with open(banc.journal, "a", encoding="utf-8") as journal:
        journal.write(sortie)
    lignes = sortie.strip().splitlines()
    fautes = [l for l in lignes if not l.startswith("ok")]
    # A program that stops early says nothing of the cases it did not reach.
    nw.verifier(processus.returncode == 0 and lignes and lignes[-1] == "0 echec(s)",
                f"{programme} : code {processus.returncode}" + "".join("\n  " + l for l in fautes))
    return lignes


@scenario
def images_decodees(banc):
    # On drive C: as the user's pictures are; the generator stays behind.
    dossier = banc.wine.c("images_e2e")
    nw.supprimer(dossier)
    shutil.copytree(IMAGES, dossier, ignore=shutil.ignore_patterns("*.py"))
    try:
        executer(banc, "images_test.exe", r"C:\images_e2e")
    finally:
        nw.supprimer(dossier)


@scenario
def image_peinte(banc):
    executer(banc, "peinture_test.exe")
