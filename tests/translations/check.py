#!/usr/bin/env python3
"""Checks translations/echolon_{ru,en}.ts against the sources.

usage: check.py LUPDATE SOURCE_ROOT

lupdate reads the texts of src/ into copies of the two translations; the check
fails when a text has no finished translation (a text added since the last
scripts/update-translations.sh), when the English translation keeps a Russian
letter, or when the Russian one keeps an English word other than the names,
units and abbreviations a Russian text writes in Latin letters (a command
quoted in «» to be typed as it stands counts as no words).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

KEPT_IN_RUSSIAN = {
    "Echolon", "KMX", "KM", "ver", "v", "L", "OK", "Enter", "Shift", "Ctrl", "Access", "DIR", "home", "no",
    "create", "db", "mdb", "dbf", "tdr", "CODE_CMD", "DEV_TYPE", "master", "A", "A1", "M", "USB",
    "CSV", "JSON", "PNG", "SVG", "csv", "json", "png", "svg",
}
CYRILLIC = re.compile("[\u0400-\u04FF]")
WORD = re.compile("[A-Za-z_][A-Za-z_0-9]*")
PLACEHOLDER = re.compile("%[0-9]+")
# What a Russian text quotes to be typed as it stands, and printf conversions.
LITERAL = re.compile("«[^»]*»|%[0-9ds]+")


def problems(path, language):
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or ""
            where = f"{name}: {source!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or (source and not text):
                found.append(f"not translated: {where}")
                continue
            if language == "en" and CYRILLIC.search(text):
                found.append(f"Russian left in English: {where} -> {text!r}")
            if language == "ru":
                foreign = [w for w in WORD.findall(LITERAL.sub("", text)) if w not in KEPT_IN_RUSSIAN]
                if foreign:
                    found.append(f"English {foreign} left in Russian: {where} -> {text!r}")
            if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                found.append(f"placeholders differ: {where} -> {text!r}")
    return found


def main():
    lupdate, root = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in ("ru", "en"):
            copy = os.path.join(work, f"echolon_{language}.ts")
            shutil.copy(os.path.join(root, "translations", f"echolon_{language}.ts"), copy)
            copies.append((copy, language))
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", os.path.join(root, "src"),
                        "-ts"] + [c for c, _ in copies], check=True)
        found = []
        for copy, language in copies:
            found += [f"echolon_{language}.ts: {p}" for p in problems(copy, language)]
    for p in found:
        print(p)
    if found:
        print(f"{len(found)} problems; run scripts/update-translations.sh and translate the new texts")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
