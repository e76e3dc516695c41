#!/usr/bin/env bash
# Installs the Debian packages Velbrant needs to build, test and run.
# Calls apt-get only for what is missing; works as root or through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
  fonts-liberation2 fonts-dejavu-core qt6-translations-l10n qt6-l10n-tools qt6-tools-dev time
  desktop-file-utils appstream dpkg-dev python3 libpugixml-dev poppler-utils
  gcc openjdk-17-jdk-headless fp-compiler man-db lintian
  libtree-sitter-dev pandoc
  texlive-latex-base texlive-latex-recommended texlive-latex-extra texlive-pictures
  texlive-fonts-recommended
)
# The build fetches tree-sitter's grammars with npm; a Node.js that brings
# its own npm is kept as it is.
command -v npm >/dev/null 2>&1 || packages+=(npm)
packages+=("$@")

missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "install-deps: missing ${missing[*]}; run as root or install sudo" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
