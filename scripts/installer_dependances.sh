#!/usr/bin/env bash
# Installs, on Debian 12, what the build, the tests and the demo need; does nothing when
# everything is already there.
set -euo pipefail

paquets=(
  cmake g++ make python3
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine64 xvfb xdotool imagemagick x11-utils xauth
  groff poppler-utils
)

manquants=()
for paquet in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$paquet")
  fi
done
[ "${#manquants[@]}" -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "root or sudo needed to install: ${manquants[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "Installation de : ${manquants[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${manquants[@]}"
