#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and lets lintian judge
# it: any error fails (warnings and notes are shown).
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > /dev/null
package=$(ls "$out"/velbrant_*.deb)
lintian --fail-on error --no-tag-display-limit "$package"
echo "package ok: $(basename "$package")"
