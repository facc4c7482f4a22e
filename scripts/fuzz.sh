#!/usr/bin/env bash
# Runs the readers' libFuzzer harnesses, then merges what they found into the committed
# corpora, kept minimal. A harness that breaks a promise stops the script; its input stays
# in build/fuzz/artefacts/<harness>/ and is copied into the harness's corpus, so that the
# replay test fails until the reader is fixed.
#
#   scripts/fuzz.sh [-n EXECUTIONS | -t SECONDS] [-j JOBS] [HARNESS...]
#
# Default: ten million executions of every harness, one harness at a time. -j 2 runs two at
# once; the harnesses are named as in tests/fuzz (reglages, racines, exclusions, cache,
# historique, liste_courante, orientation, entetes).
set -euo pipefail
cd "$(dirname "$0")/.."

executions=10000000
secondes=""
jobs=1
while getopts "n:t:j:" option; do
  case "$option" in
    n) executions="$OPTARG" ;;
    t) secondes="$OPTARG" ;;
    j) jobs="$OPTARG" ;;
    *) sed -n '7,11p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
harnais=("$@")
[ "${#harnais[@]}" -eq 0 ] && harnais=(reglages racines exclusions cache historique liste_courante orientation entetes)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

# Text files: longer inputs mostly repeat their lines, and cost the readers a look per
# line and key, per line left, per pattern character; the history needs more than its
# 300 lines.
longueur_max() {
  case "$1" in
    orientation|entetes|cache) echo 4096 ;;
    historique) echo 1024 ;;
    exclusions) echo 256 ;;
    liste_courante) echo 64 ;;
    *) echo 128 ;;
  esac
}

travail=build/fuzz/travail
artefacts=build/fuzz/artefacts
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Speed for millions of small inputs: a smaller quarantine of freed memory, no filling of
# new blocks, no stack kept per block (a fault found is replayed with the full reports).
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=32:max_malloc_fill_size=0:malloc_context_size=0}"

lancer() {
  local h="$1" corpus="tests/fuzz/corpus/$1"
  local dict=() duree=()
  mkdir -p "$travail/$h" "$artefacts/$h"
  [ -f "tests/fuzz/$h.dict" ] && dict=("-dict=tests/fuzz/$h.dict")
  if [ -n "$secondes" ]; then duree=("-max_total_time=$secondes"); else duree=("-runs=$executions"); fi
  echo "== $h"
  # The committed corpus is read, never written: what is new goes to the work folder.
  if ! "build/fuzz/fuzz_$h" "${duree[@]}" "${dict[@]}" -max_len="$(longueur_max "$h")" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$artefacts/$h/" "$travail/$h" "$corpus" \
      >"$travail/$h.log" 2>&1; then
    tail -n 60 "$travail/$h.log" >&2
    if compgen -G "$artefacts/$h/*" >/dev/null; then
      cp "$artefacts/$h"/* "$corpus/"
      echo "fuzz_$h : défaut trouvé, entrée gardée dans $corpus (journal : $travail/$h.log)" >&2
    else
      echo "fuzz_$h : interrompu (journal : $travail/$h.log)" >&2
    fi
    return 1
  fi
  grep -E "^stat::number_of_executed_units|^stat::average_exec_per_sec" "$travail/$h.log" | sed "s/^/$h /"
  # A small set of inputs that reaches every edge that both reach, in place of the corpus;
  # edges only, not their counts, so that it stays a few dozen files. The work folder keeps
  # the whole corpus for the next run.
  local fusion="$travail/$h.fusion"
  rm -rf "$fusion" && mkdir -p "$fusion"
  "build/fuzz/fuzz_$h" -merge=1 -use_counters=0 "$fusion" "$corpus" "$travail/$h" >"$travail/$h.fusion.log" 2>&1
  rm -f "$corpus"/* && cp "$fusion"/* "$corpus/"
  echo "$h : $(ls "$corpus" | wc -l) entrées dans $corpus"
}

echec=0
en_cours=0
for h in "${harnais[@]}"; do
  [ -x "build/fuzz/fuzz_$h" ] || { echo "harnais inconnu : $h" >&2; exit 2; }
  lancer "$h" &
  en_cours=$((en_cours + 1))
  if [ "$en_cours" -ge "$jobs" ]; then
    wait -n || echec=1
    en_cours=$((en_cours - 1))
  fi
done
while [ "$en_cours" -gt 0 ]; do
  wait -n || echec=1
  en_cours=$((en_cours - 1))
done
exit "$echec"
