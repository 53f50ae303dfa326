#!/usr/bin/env python3
"""Fails when a user-visible text of the core (src/model, src/numeric,
src/engine) has no finished English translation in translations/ruvo_core_en.ts.

  core_catalogue_check.py LUPDATE SOURCE_ROOT

1. Every Russian string literal of the core must be marked with
   QT_TRANSLATE_NOOP("Context", ...), or lupdate cannot see it.
2. lupdate run over the core into a copy of the catalogue must find no new
   (unfinished), vanished or obsolete entry, and no empty translation.
3. A translation keeps the printf conversions of its source in kind and
   order and its tabs (the split into headline and reason): the core ignores
   a translation that does not, so it would show Russian.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CORE_FOLDERS = ("model", "numeric", "engine")
CATALOGUE = os.path.join("translations", "ruvo_core_en.ts")
CYRILLIC = re.compile("[\u0400-\u04FF]")


def strip_comments(text):
    """The text with comments blanked out (string and character literals kept,
    line numbers kept)."""
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("".join(ch if ch == "\n" else " " for ch in text[i:j]))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def literals(text):
    """(offset, body) of every string literal."""
    for match in re.finditer(r'"((?:[^"\\\n]|\\.)*)"', text):
        yield match.start(), match.group(1)


def marked_ranges(text):
    """Offsets covered by the arguments of QT_TRANSLATE_NOOP(...)."""
    ranges = []
    for match in re.finditer(r"\bQT_TRANSLATE_NOOP\s*\(", text):
        depth = 1
        j = match.end()
        in_string = False
        while j < len(text) and depth > 0:
            ch = text[j]
            if in_string:
                if ch == "\\":
                    j += 1
                elif ch == '"':
                    in_string = False
            elif ch == '"':
                in_string = True
            elif ch == "(":
                depth += 1
            elif ch == ")":
                depth -= 1
            j += 1
        ranges.append((match.end(), j))
    return ranges


def unmarked_texts(root):
    problems = []
    for folder in CORE_FOLDERS:
        path = os.path.join(root, "src", folder)
        for name in sorted(os.listdir(path)):
            if not name.endswith((".cpp", ".h")):
                continue
            file = os.path.join(path, name)
            with open(file, encoding="utf-8") as f:
                text = strip_comments(f.read())
            ranges = marked_ranges(text)
            for offset, body in literals(text):
                if CYRILLIC.search(body) and not any(a <= offset < b for a, b in ranges):
                    line = text.count("\n", 0, offset) + 1
                    problems.append(f"{file}:{line}: Russian text not marked for translation: \"{body}\"")
    return problems


def conversions(text):
    """The printf conversions of a text, without flags, width and precision."""
    found = []
    for match in re.finditer(r"%([-+ #0']*)([0-9*]*(?:\.[0-9*]*)?)([hljztLq]*)(.?)", text):
        flags, width, length, kind = match.groups()
        if kind == "%" and not (flags or width or length):
            continue
        found.append("*" * width.count("*") + length + (kind or "?"))
    return found


def message_text(element):
    """The text of a <source> or <translation>, with lupdate's <byte> elements."""
    if element is None:
        return None
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def catalogue_problems(lupdate, root):
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "ruvo_core_en.ts")
        shutil.copyfile(os.path.join(root, CATALOGUE), copy)
        sources = [os.path.join(root, "src", f) for f in CORE_FOLDERS]
        run = subprocess.run([lupdate, "-locations", "none", "-no-ui-lines", *sources, "-ts", copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed ({run.returncode}):\n{run.stdout}{run.stderr}"]
        tree = ET.parse(copy)
    count = 0
    for context in tree.getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message_text(message.find("source"))
            translation_element = message.find("translation")
            translation = message_text(translation_element)
            kind = translation_element.get("type") if translation_element is not None else "missing"
            where = f"{context_name}: \"{source}\""
            if kind == "unfinished":
                problems.append(f"no finished English translation: {where}")
            elif kind in ("vanished", "obsolete"):
                problems.append(f"translation of a text the core no longer has ({kind}): {where}")
            elif kind == "missing" or not translation:
                problems.append(f"empty translation: {where}")
            elif conversions(translation) != conversions(source):
                problems.append(f"printf conversions differ ({conversions(source)} → "
                                f"{conversions(translation)}): {where}")
            elif translation.count("\t") != source.count("\t"):
                problems.append(f"tabs differ (headline and reason): {where}")
            elif CYRILLIC.search(translation):
                problems.append(f"Russian left in the translation: {where}")
    if count < 40:
        problems.append(f"lupdate found only {count} texts in the core: are the texts still marked?")
    return problems


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    lupdate, root = sys.argv[1], sys.argv[2]
    problems = unmarked_texts(root) + catalogue_problems(lupdate, root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problem(s). After marking the texts, build the target "
              "ruvo_core_translations_lupdate and translate the new entries of " + CATALOGUE)
        return 1
    print("every core text has its English translation")
    return 0


if __name__ == "__main__":
    sys.exit(main())
