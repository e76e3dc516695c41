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
    share/velbrant/screenshot.png; do
  [ -s "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate --no-hints "$share/applications/velbrant.desktop"
appstreamcli validate --no-net --explain "$share/metainfo/de.velbrant.Velbrant.metainfo.xml" > /dev/null
python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" "$share/mime/packages/velbrant.xml"
grep -q '<glob pattern="\*.str"' "$share/mime/packages/velbrant.xml"
grep -q 'MimeType=application/x-velbrant-structogram;' "$share/applications/velbrant.desktop"
"$prefix/bin/velbrant" --version | grep -q "^velbrant $(grep -oP 'project\(Velbrant VERSION \K[0-9.]+' "$(dirname "$0")/../../CMakeLists.txt")$"
echo "installed tree ok"
