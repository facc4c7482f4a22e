#!/usr/bin/env python3
"""End-to-end scenarios of nocturo.scr under Wine, one CTest test per scenario.

  e2e.py --dossier DIR --scr FILE demarrer        private Xvfb + booted Wine prefix
  e2e.py --dossier DIR --scr FILE scenario NAME   one scenario
  e2e.py --dossier DIR --scr FILE arreter         stops wineserver and Xvfb
  e2e.py lister                                   names of the scenarios
"""
import argparse
import sys

sys.dont_write_bytecode = True  # keeps the source tree clean
import traceback
from pathlib import Path

import nocturo_wine as nw
from banc import Banc, SCENARIOS
import scenarios_lancement  # noqa: F401  (they register themselves)
import scenarios_reglages  # noqa: F401
import scenarios_catalogue  # noqa: F401
import scenarios_commandes  # noqa: F401
import scenarios_diaporama  # noqa: F401
import scenarios_images  # noqa: F401
import scenarios_outils  # noqa: F401
import scenarios_panneaux  # noqa: F401
import scenarios_manuel  # noqa: F401
import scenarios_apercu  # noqa: F401
import scenarios_profond  # noqa: F401
import scenarios_bibliotheque  # noqa: F401
import scenarios_frais  # noqa: F401
import scenarios_donnees  # noqa: F401


def demarrer(dossier):
    dossier.mkdir(parents=True, exist_ok=True)
    arreter(dossier)  # what an interrupted run left behind
    journal = dossier / "demarrage.log"
    display, pid = nw.demarrer_xvfb(journal)
    nw.ecrire_etat(dossier, {"display": display, "xvfb": pid, "prefixe": str(dossier / "prefixe")})
    # A fresh prefix each run, so that nothing a past run changed in it carries over.
    nw.supprimer(dossier / "prefixe")
    nw.Wine(dossier / "prefixe", display, journal).amorcer()
    print(f"Xvfb {display} (pid {pid}), préfixe Wine {dossier / 'prefixe'}")


def arreter(dossier):
    if not (dossier / "etat.json").exists():
        return
    etat = nw.lire_etat(dossier)
    nw.Wine(etat["prefixe"], etat["display"], dossier / "demarrage.log").arreter()
    nw.tuer(etat["xvfb"])
    (dossier / "etat.json").unlink()


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--dossier", type=Path)
    args.add_argument("--scr", type=Path)
    args.add_argument("action", choices=["demarrer", "arreter", "scenario", "lister"])
    args.add_argument("nom", nargs="?")
    a = args.parse_args()
    if a.action == "lister":
        print(";".join(SCENARIOS))
        return 0
    if a.action == "demarrer":
        demarrer(a.dossier)
        return 0
    if a.action == "arreter":
        arreter(a.dossier)
        return 0
    if not a.scr.is_file():
        print(f"{a.scr} absent : construisez d'abord le preset windows", file=sys.stderr)
        return 1
    banc = Banc(a.dossier, a.scr, a.nom)
    try:
        banc.remettre_a_zero()
        SCENARIOS[a.nom](banc)
    except nw.EchecScenario as e:
        print(f"ÉCHEC {a.nom} : {e}", file=sys.stderr)
        banc.expliquer()
        return 1
    except Exception:
        traceback.print_exc()
        banc.expliquer()
        return 1
    finally:
        banc.fermer()
    print(f"{a.nom} : réussi ; captures dans {banc.captures}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
