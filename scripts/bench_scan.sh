#!/usr/bin/env bash
# The first scan against a bare FindFirstFileExW walker of the same tree, under Wine: trees
# of 10,000, 100,000 and 1,000,000 pictures (ten folders' worth of files per folder of 50
# pictures, one-byte sparse files), made once in build/bench-scan. Prints figures, asserts
# nothing.
#
#   scripts/bench_scan.sh [build directory of the windows preset, default build/windows]
#
# TOURS (default 5) sets the rounds; TAILLES (default "10000 100000 1000000") the trees.
# E2E=<folder of a run started with tests/e2e/e2e.py demarrer> borrows its prefix and
# display; otherwise a fresh prefix and a private Xvfb are started and stopped at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

construction="$(realpath "${1:-build/windows}")"
tours="${TOURS:-5}"
tailles="${TAILLES:-10000 100000 1000000}"
travail="$PWD/build/bench-scan"
bench="$construction/parcours_bench.exe"
[ -f "$bench" ] || { echo "$bench absent : cmake --preset windows && cmake --build --preset windows" >&2; exit 1; }
mkdir -p "$travail"

e2e=(python3 tests/e2e/e2e.py --dossier "${E2E:-$travail/e2e}" --scr "$construction/nocturo.scr")
if [ -z "${E2E:-}" ]; then
    "${e2e[@]}" demarrer
    trap '"${e2e[@]}" arreter' EXIT
fi
etat="${E2E:-$travail/e2e}/etat.json"
prefixe="$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["prefixe"])' "$etat")"
affichage="$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["display"])' "$etat")"

for n in $tailles; do
    arbre="$travail/arbres/$n"
    if [ ! -f "$arbre/.fait" ]; then
        echo "Arbre de $n images : $arbre"
        rm -rf "$arbre"
        python3 - "$arbre" "$n" <<'PY'
import os, sys
racine, n = sys.argv[1], int(sys.argv[2])
par_dossier = 50
for d in range(n // par_dossier):
    dossier = os.path.join(racine, f"g{d // 100:03d}", f"{2000 + d % 20}-{d % 12 + 1:02d}-{d % 28 + 1:02d} sortie {d}")
    os.makedirs(dossier, exist_ok=True)
    for i in range(par_dossier):
        with open(os.path.join(dossier, f"IMG_{i:04d}.JPG"), "wb") as f:
            f.truncate(1)
open(os.path.join(racine, ".fait"), "w").close()
PY
    fi
    lien="$prefixe/drive_c/bench_scan_$n"
    rm -rf "$lien"
    ln -s "$arbre" "$lien"
    mode=""
    [ "$n" -le 10000 ] && mode="par_entree"
    WINEPREFIX="$prefixe" DISPLAY="$affichage" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        wine "$bench" "C:\\bench_scan_$n" "$tours" $mode
    rm -f "$lien"
done
