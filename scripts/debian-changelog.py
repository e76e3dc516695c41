#!/usr/bin/env python3
"""Writes CHANGELOG.md as the Debian package's changelog.gz.

usage: debian-changelog.py CHANGELOG.md VERSION OUT.gz
The newest entry must be VERSION, so that package and list agree.
"""
import datetime
import gzip
import re
import sys
import textwrap

MAINTAINER = "Velbrant-Team <team@velbrant.de>"


def entries(markdown):
    """(version, date, [items]) for each '## VERSION (DATE)' heading."""
    found = []
    for line in markdown.splitlines():
        heading = re.match(r"## (\S+) \((\d{4}-\d{2}-\d{2})\)$", line)
        if heading:
            found.append((heading.group(1), heading.group(2), []))
        elif found and line.startswith("- "):
            found[-1][2].append(line[2:].strip())
        elif found and line.startswith("  ") and found[-1][2]:
            found[-1][2][-1] += " " + line.strip()
    return found


def stanza(version, date, items):
    day = datetime.datetime.strptime(date, "%Y-%m-%d")
    lines = [f"velbrant ({version}) unstable; urgency=medium", ""]
    for item in items:
        lines += textwrap.wrap(item.replace("`", ""), width=76,
                               initial_indent="  * ", subsequent_indent="    ")
    lines += ["", f" -- {MAINTAINER}  {day.strftime('%a, %d %b %Y')} 12:00:00 +0000", ""]
    return "\n".join(lines) + "\n"


def main():
    source, version, out = sys.argv[1:4]
    found = entries(open(source, encoding="utf-8").read())
    if not found or found[0][0] != version:
        sys.exit(f"debian-changelog: the newest entry of {source} is not {version}")
    text = "".join(stanza(*entry) for entry in found)
    with open(out, "wb") as raw, gzip.GzipFile(filename="", mode="wb", compresslevel=9,
                                                fileobj=raw, mtime=0) as packed:
        packed.write(text.encode("utf-8"))


main()
