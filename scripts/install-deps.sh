#!/usr/bin/env bash
# Installs the Debian packages of one set, only those missing:
#   scripts/install-deps.sh play   what building and playing the game needs
#   scripts/install-deps.sh test   that, plus the test and benchmark tools
# Installing needs root: as another user it goes through sudo.
set -euo pipefail
set_name="${1:-test}"
play_packages=(
  cmake g++ make
  libsfml-dev
  fonts-dejavu-core fonts-liberation2
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps imagemagick
)
case "$set_name" in
  play) packages=("${play_packages[@]}") ;;
  test) packages=("${play_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0
as_root=()
if ((EUID != 0)); then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "missing packages: ${missing[*]}" >&2
    echo "install them as root (apt-get install ${missing[*]}), or install sudo" >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
