#!/usr/bin/env bash
# Timings of the picture path on a 24-megapixel JPEG (6000 x 4000, about 9 MB): the Windows
# benchmark built next to nocturo.scr under Wine, and native djpeg on the same file for
# scale; then the ready copy against the bare decode of the same file, rounds interleaved,
# on that JPEG, a 12-megapixel PNG and a 192-megapixel JPEG. Prints figures, asserts nothing.
#
#   scripts/bench_images.sh [build directory of the windows preset, default build/windows]
#
# PASSES (default 5) sets the runs a median is taken over, TOURS (default 7) the interleaved
# rounds of the copies. E2E=<folder of a run started with
# tests/e2e/e2e.py demarrer> borrows its prefix and display; otherwise a fresh prefix and a
# private Xvfb are started in build/bench-images and stopped at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

construction="$(realpath "${1:-build/windows}")"
passes="${PASSES:-5}"
travail="$PWD/build/bench-images"
mkdir -p "$travail"
photo="$travail/photo_24mp.jpg"
bench="$construction/images_bench.exe"
[ -f "$bench" ] || { echo "$bench absent : cmake --preset windows && cmake --build --preset windows" >&2; exit 1; }

if [ ! -f "$photo" ]; then
    echo "Photo de 24 mégapixels : $photo"
    # Plasma for the large shapes, grain for a camera's noise, chroma halved as cameras do.
    convert -size 1500x1000 -seed 7 plasma:fractal -blur 0x1 -resize 6000x4000 -attenuate 0.6 \
        +noise Gaussian -quality 92 -sampling-factor 2x2 "$photo"
fi
png="$travail/photo_12mp.png"
geante="$travail/photo_192mp.jpg"
[ -f "$png" ] || convert -size 1000x750 -seed 7 plasma:fractal -blur 0x1 -resize 4000x3000 -attenuate 0.6 \
    +noise Gaussian -depth 8 -define png:color-type=2 "$png"
if [ ! -f "$geante" ]; then
    # ImageMagick's policy stops at 128 megapixels: a 4000 x 3000 tile four times across and
    # down, encoded by cjpeg.
    command -v cjpeg >/dev/null || apt-get install -y -qq libjpeg-turbo-progs >/dev/null
    convert -size 1000x750 -seed 11 plasma:fractal -blur 0x1 -resize 4000x3000 -attenuate 0.6 \
        +noise Gaussian -depth 8 "$travail/tuile.ppm"
    python3 - "$travail/tuile.ppm" <<'EOF' | cjpeg -quality 92 -sample 2x2 -outfile "$geante"
import sys
brut = open(sys.argv[1], "rb").read()
l, h = 4000, 3000
pixels = brut[len(brut) - l * h * 3:]
sortie = sys.stdout.buffer
sortie.write(b"P6\n16000 12000\n255\n")
for _ in range(4):
    for y in range(h):
        sortie.write(pixels[y * l * 3:(y + 1) * l * 3] * 4)
EOF
    rm -f "$travail/tuile.ppm"
fi
ls -l "$photo" "$png" "$geante"

if ! command -v djpeg >/dev/null; then
    apt-get install -y -qq libjpeg-turbo-progs >/dev/null || echo "djpeg absent : libjpeg-turbo-progs" >&2
fi
if command -v djpeg >/dev/null; then
    python3 - "$photo" "$passes" <<'EOF'
import statistics, subprocess, sys, time
photo, passes = sys.argv[1], int(sys.argv[2])
for echelle in ("1/1", "1/2", "1/4", "1/8"):
    temps = []
    for _ in range(passes):
        debut = time.perf_counter()
        subprocess.run(["djpeg", "-scale", echelle, "-bmp", "-outfile", "/dev/null", photo], check=True)
        temps.append((time.perf_counter() - debut) * 1000)
    print(f"djpeg natif, échelle {echelle:<3}                             {statistics.median(temps):8.1f} ms")
EOF
fi

e2e=(python3 tests/e2e/e2e.py --dossier "${E2E:-$travail/e2e}" --scr "$construction/nocturo.scr")
if [ -z "${E2E:-}" ]; then
    "${e2e[@]}" demarrer
    trap '"${e2e[@]}" arreter' EXIT
fi
etat="${E2E:-$travail/e2e}/etat.json"
prefixe="$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["prefixe"])' "$etat")"
affichage="$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["display"])' "$etat")"
mkdir -p "$prefixe/drive_c/bench_images"
cp "$photo" "$prefixe/drive_c/bench_images/photo.jpg"
cp "$png" "$prefixe/drive_c/bench_images/photo.png"
cp "$geante" "$prefixe/drive_c/bench_images/geante.jpg"
vin() { WINEPREFIX="$prefixe" DISPLAY="$affichage" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine "$@"; }
vin "$bench" 'C:\bench_images\photo.jpg' "$passes"
for f in photo.jpg photo.png geante.jpg; do
    echo
    vin "$construction/copie_bench.exe" "C:\\bench_images\\$f" "${TOURS:-7}"
done
rm -rf "$prefixe/drive_c/bench_images"
