#!/usr/bin/env bash
# cmake --install into a temporary prefix, then check what a desktop needs.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
share=$prefix/share
for file in bin/velbrant \
    share/applications/velbrant.desktop \
    share/metainfo/de.velbrant.Velbrant.metainfo.xml \
    share/mime/packages/velbrant.xml \
    share/icons/hicolor/scalable/apps/velbrant.svg \
    share/icons/hicolor/48x48/apps/velbrant.png \
    share/icons/hicolor/256x256/apps/velbrant.png \
    share/velbrant/screenshot.png \
    share/man/man1/velbrant.1.gz \
    share/man/en/man1/velbrant.1.gz \
    share/doc/velbrant/copyright \
    share/doc/velbrant/changelog.gz; do
  [ -s "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate --no-hints "$share/applications/velbrant.desktop"
appstreamcli validate --no-net --explain "$share/metainfo/de.velbrant.Velbrant.metainfo.xml" > /dev/null
python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" "$share/mime/packages/velbrant.xml"
grep -q '<glob pattern="\*.str"' "$share/mime/packages/velbrant.xml"
grep -q 'MimeType=application/x-velbrant-structogram;' "$share/applications/velbrant.desktop"
"$prefix/bin/velbrant" --version | grep -q "^velbrant $(grep -oP 'project\(Velbrant VERSION \K[0-9.]+' "$(dirname "$0")/../../CMakeLists.txt")$"
# The manual pages, German and English, render without a warning and
# explain every option that --help lists, each in its language.
for manpage in "$share/man/man1/velbrant.1.gz" "$share/man/en/man1/velbrant.1.gz"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "manual page $manpage: $warnings"; exit 1; }
  rendered=$(MANWIDTH=80 man -l "$manpage" 2>/dev/null | sed 's/\xe2\x88\x92/-/g')
  for option in $("$prefix/bin/velbrant" --help | grep -oE -- '--[a-z]+' | sort -u); do
    grep -qF -- "$option" <<< "$rendered" || { echo "$manpage lacks $option"; exit 1; }
  done
  case $manpage in
    */en/*) words="OPTIONS|EXIT STATUS|Scale of the export" ;;
    *) words="OPTIONEN|RÜCKGABEWERT|Maßstab des Exports" ;;
  esac
  [ "$(grep -cE -- "$words" <<< "$rendered")" -ge 3 ] || { echo "$manpage: not in its language"; exit 1; }
done
zcat "$share/doc/velbrant/changelog.gz" | head -1 | grep -q "^velbrant ($(
  "$prefix/bin/velbrant" --version | cut -d' ' -f2)) "
echo "installed tree ok"
