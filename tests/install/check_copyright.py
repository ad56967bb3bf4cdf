#!/usr/bin/python3
"""Reads a copyright file in Debian's machine-readable format and checks that
every licence it names comes with its full text, that the licence of the
program's own files (the paragraph "Files: *") is the project licence the
AppStream metadata declare, and that its text is the one in LICENSE.

Usage: check_copyright.py <copyright> <metainfo.xml> <LICENSE>
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

from debian import copyright as dep5

# Debian's short names where SPDX spells them otherwise.
SPDX_NAMES = {"expat": "mit"}


def names(expression, separators):
    """The licence names of an expression such as "GPL-2+ or Expat"."""
    parts = re.split(separators, expression.strip(), flags=re.IGNORECASE)
    return {part.strip("() ").lower() for part in parts if part.strip("() ")}


def words(text):
    return " ".join(text.split())


def main(copyright_path, metainfo_path, license_path):
    problems = []
    with open(copyright_path, encoding="utf-8") as source:
        try:
            copyright_file = dep5.Copyright(source, strict=True)
        except (dep5.Error, ValueError) as error:
            return [f"{copyright_path} is not a machine-readable copyright file: {error}"]

    texts = {}
    for paragraph in copyright_file.all_license_paragraphs():
        texts[paragraph.license.synopsis.lower()] = paragraph.license.text
    own = None
    for paragraph in copyright_file.all_files_paragraphs():
        if paragraph.license is None:
            problems.append(f"Files: {' '.join(paragraph.files)} names no licence")
            continue
        if paragraph.files == ("*",):
            own = paragraph.license
        for name in names(paragraph.license.synopsis, r"\s+or\s+|\s+and\s+|,"):
            if not (paragraph.license.text.strip() or texts.get(name, "").strip()):
                problems.append(f"the licence {name} comes without its text")
    if own is None:
        return problems + ["no paragraph \"Files: *\" gives the program's own licence"]

    project_license = ElementTree.parse(metainfo_path).getroot().findtext("project_license")
    if not project_license:
        return problems + [f"{metainfo_path} declares no project_license"]
    declared = names(project_license, r"\s+OR\s+|\s+AND\s+")
    given = {SPDX_NAMES.get(name, name) for name in names(own.synopsis, r"\s+or\s+|\s+and\s+|,")}
    if given != declared:
        problems.append(f"the program's files are under {own.synopsis}, "
                        f"but the metadata declare {project_license}")

    own_text = own.text or texts.get(own.synopsis.lower(), "")
    with open(license_path, encoding="utf-8") as source:
        if words(own_text) not in words(source.read()):
            problems.append(f"the text of {own.synopsis} differs from {license_path}")
    return problems


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    found = main(*sys.argv[1:])
    for problem in found:
        print(f"FAIL: {problem}", file=sys.stderr)
    if found:
        sys.exit(1)
    print(f"PASS: {sys.argv[1]} names every licence with its text, the program's as declared")
