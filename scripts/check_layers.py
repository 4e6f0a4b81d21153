#!/usr/bin/env python3
"""Checks that every #include "dir/..." under src/ runs down the layers, never up or sideways.

    check_layers.py SRC_DIR     lists each forbidden include; exit 1 when there is one
    check_layers.py --self-test checks the rules on a table and on a tree with a wrong include
"""

import os
import re
import sys
import tempfile

# Rank of each std-only folder: a folder may include folders of a lower rank, never of its own
# rank (no includes between folders of one layer) or above.
RANKS = {
    "base": 0,
    "glyph": 1,
    "postscript": 2, "truetype": 2, "outline": 2,
    "cmap": 3,
    "cidfont": 4,
    "charts": 5, "editor": 5,
    "app": 6, "cli": 6,
}
# The platform interfaces sit beside base: any folder may include them, they include only base.
PLATFORM = "platform"
HEADLESS = "platform/headless"  # chosen by the programs
FONTCONFIG = "platform/fontconfig"  # chosen by the programs
QT = "platform/qt"              # Qt widgets any ui/ folder may use
PROGRAMS = ("app", "cli")
QT_FOLDERS_RE = re.compile(r"(^|/)(ui|qt)$|^app$")

INCLUDE_RE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
QT_INCLUDE_RE = re.compile(r"^\s*#\s*include\s*<Q")


def folder_of(path):
    """The folder a src/-relative path belongs to: 'cidfont', 'cidfont/ui', 'platform/qt'."""
    parts = path.split("/")[:-1]
    if len(parts) >= 2 and parts[1] in ("ui", "qt", "headless", "fontconfig"):
        return "/".join(parts[:2])
    return parts[0] if parts else ""


def allowed(source, target):
    """Whether files of folder `source` may include files of folder `target`."""
    if source == target or target == "base":
        return True
    if source == "base":
        return False
    if target == PLATFORM:
        return True
    if source in (PLATFORM, HEADLESS, FONTCONFIG, QT):
        return source != PLATFORM and target == PLATFORM
    if target in (HEADLESS, FONTCONFIG):
        return source in PROGRAMS
    if source == "app":
        return target != "cli"
    if target == QT:
        return source.endswith("/ui")
    if target.endswith("/ui"):
        # A window may open the dialogs of a lower layer (the editor opens the actions dialog).
        return (source.endswith("/ui") and target[: -len("/ui")] in RANKS
                and RANKS[target[: -len("/ui")]] < RANKS[source[: -len("/ui")]])
    if target not in RANKS:
        return False
    if source.endswith("/ui"):
        return RANKS[target] <= RANKS[source[: -len("/ui")]]
    return source in RANKS and RANKS[target] < RANKS[source]


def check_tree(src):
    problems = []
    for directory, _, files in sorted(os.walk(src)):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(directory, name), src).replace(os.sep, "/")
            source = folder_of(path)
            with open(os.path.join(directory, name), encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    if QT_INCLUDE_RE.match(line) and not QT_FOLDERS_RE.search(source):
                        problems.append(f"{path}:{number}: Qt in std-only folder {source}/")
                    match = INCLUDE_RE.match(line)
                    if not match or "/" not in match.group(1):
                        continue
                    target = folder_of(match.group(1))
                    if not allowed(source, target):
                        problems.append(
                            f"{path}:{number}: {source}/ may not include {match.group(1)}")
    return problems


SELF_TEST_CASES = [
    # (including folder, included folder, allowed)
    ("glyph", "base", True), ("glyph", "platform", True), ("postscript", "glyph", True),
    ("cmap", "postscript", True), ("cidfont", "cmap", True), ("cidfont", "glyph", True),
    ("charts", "cidfont", True), ("cli", "cidfont", True), ("cli", HEADLESS, True),
    ("app", "cidfont/ui", True), ("app", QT, True), ("app", HEADLESS, True),
    ("cidfont/ui", "cidfont", True), ("cidfont/ui", QT, True), ("charts/ui", "cmap", True),
    (QT, PLATFORM, True), (HEADLESS, PLATFORM, True), (PLATFORM, "base", True),
    ("postscript", "cidfont", False), ("cmap", "cidfont", False), ("glyph", "postscript", False),
    ("postscript", "truetype", False), ("charts", "editor", False), ("app", "cli", False),
    ("cli", FONTCONFIG, True), (FONTCONFIG, PLATFORM, True), ("cidfont", FONTCONFIG, False),
    ("cli", "app", False), ("cli", QT, False), ("cidfont", "cidfont/ui", False),
    ("cidfont", QT, False), ("cidfont", HEADLESS, False), ("cidfont/ui", "charts", False),
    ("cidfont/ui", "charts/ui", False), ("charts/ui", "cidfont/ui", True),
    ("charts/ui", "editor/ui", False), ("editor/ui", "cidfont/ui", True), ("charts", "cidfont/ui", False),
    (QT, "cidfont", False), (PLATFORM, "glyph", False), (HEADLESS, "cidfont", False),
    ("base", PLATFORM, False), ("glyph", "unknown", False),
]


def self_test():
    failures = [f"{s} -> {t}: expected {'allowed' if a else 'forbidden'}"
                for s, t, a in SELF_TEST_CASES if allowed(s, t) != a]
    with tempfile.TemporaryDirectory() as src:
        files = {
            "glyph/outline.cpp": '#include "glyph/outline.h"\n#include "base/text_format.h"\n',
            "glyph/outline.h": '#include "platform/clipboard.h"\n#include "postscript/reader.h"\n',
            "cmap/chart.cpp": "#include <QWidget>\n",
            "cidfont/ui/page.cpp": '#include <QWidget>\n#include "platform/qt/qt_text.h"\n',
        }
        for name, text in files.items():
            os.makedirs(os.path.join(src, os.path.dirname(name)), exist_ok=True)
            with open(os.path.join(src, name), "w", encoding="utf-8") as f:
                f.write(text)
        expected = ["cmap/chart.cpp:1: Qt in std-only folder cmap/",
                    "glyph/outline.h:2: glyph/ may not include postscript/reader.h"]
        found = check_tree(src)
        if found != expected:
            failures.append(f"tree with wrong includes: found {found}, expected {expected}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


def main(argv):
    if len(argv) == 2 and argv[1] == "--self-test":
        return self_test()
    if len(argv) != 2:
        print(__doc__.strip())
        return 2
    problems = check_tree(argv[1])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
