#!/usr/bin/env python3
"""The layer check: every header and source under src/ includes only its own
layer and the layers below it.

    check_layers.py SRC      checks the tree SRC (the program's src/ folder)
    check_layers.py --self-test

The libraries of src/CMakeLists.txt and src/gui.cmake make the linker refuse a
source that calls up a layer, but a header that only includes one (a colour,
an inline helper) links anyway; this reads them all. Each folder of src/ is a
layer; two folders hold two parts each, as they are built:
  export/       the DXF writer, plain C++ beside the core;
  export/svg*   the SVG files, painted with Qt and built with the printed pages;
  batch/        the tool's commands on the core alone;
  batch/pages/  the commands that paint pages and layouts.
A folder of src/ without a rule here, or an include of a folder that is not
in src/, fails too: a new layer gets its rule when it is made.
"""

import os
import re
import sys
import tempfile

CORE = ["platform", "project", "units", "catalogue", "engine"]

# What each part may include besides itself, lowest first.
RULES = {
    "platform": [],
    "project": ["platform"],
    "units": ["platform", "project"],
    "catalogue": ["platform", "project", "units"],
    "engine": ["platform", "project", "units", "catalogue"],
    "export": CORE,
    "drawing": CORE,
    "export/svg": CORE + ["export", "drawing"],
    "print": CORE + ["export", "drawing"],
    "output": CORE + ["export", "export/svg", "drawing", "print"],
    "screens": CORE + ["export", "export/svg", "drawing", "print"],
    "app": CORE + ["export", "export/svg", "drawing", "print", "screens", "output"],
    "batch": CORE,
    "batch/pages": CORE + ["export", "export/svg", "drawing", "print", "batch"],
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def part_of(path):
    """The part a path relative to src/ belongs to, or None outside src/."""
    pieces = path.split("/")
    if len(pieces) < 2 or pieces[0] in ("", ".."):
        return None
    if pieces[0] == "export" and pieces[-1].startswith("svg"):
        return "export/svg"
    if pieces[0] == "batch" and len(pieces) > 2 and pieces[1] == "pages":
        return "batch/pages"
    return pieces[0]


def included_path(src, including, name):
    """The included file relative to src/: a name with a folder is looked up
    from src/ (the include path every library sets); one without, beside
    the file that includes it; `..` is followed."""
    if "/" in name and not name.startswith("."):
        return os.path.normpath(name).replace(os.sep, "/")
    beside = os.path.join(os.path.dirname(os.path.join(src, including)), name)
    return os.path.relpath(os.path.normpath(beside), src).replace(os.sep, "/")


def check(src):
    """Every include that leaves its layer's rule, as 'file:line: why'."""
    findings = []
    for folder in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, folder)) and folder not in RULES:
            findings.append("src/%s/: a folder without a layer rule in %s" % (folder, os.path.basename(__file__)))
    for root, dirs, files in os.walk(src):
        dirs.sort()
        for file in sorted(files):
            if not file.endswith((".h", ".cpp")):
                continue
            rel = os.path.relpath(os.path.join(root, file), src).replace(os.sep, "/")
            part = part_of(rel)
            if part is None or part not in RULES:
                continue
            with open(os.path.join(root, file), encoding="utf-8") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = included_path(src, rel, m.group(1))
                    to = part_of(target)
                    if to == part or to in RULES[part]:
                        continue
                    where = "src/%s:%d: %s includes %s" % (rel, number, part, m.group(1))
                    if to is None or to not in RULES:
                        findings.append(where + ", which is no layer of src/")
                    else:
                        allowed = ", ".join(RULES[part]) or "nothing"
                        findings.append(where + ", a layer it may not use (%s may use %s)" % (part, allowed))
    return findings


def self_test():
    """A small tree per case: the findings the check must give for it."""
    cases = [
        ("a header reaching up", {"drawing/colours.h": '#include "screens/style.h"\n'},
         ["src/drawing/colours.h:1: drawing includes screens/style.h, a layer it may not use"]),
        ("a source reaching up", {"print/page.cpp": '#include <QColor>\n\n#include "app/main.h"\n'},
         ["src/print/page.cpp:3: print includes app/main.h, a layer it may not use"]),
        ("down and sideways within a layer", {
            "app/window.cpp": '#include "screens/step.h"\n#include "output/devices.h"\n#include "window.h"\n',
            "screens/step.h": '#include "print/page.h"\n# include "drawing/chart.h"\n',
            "engine/layout.h": '#include "catalogue/tables.h"\n#include "platform/dialogs.h"\n'}, []),
        ("a way round through ..", {"engine/layout.cpp": '#include "../drawing/chart.h"\n'},
         ["src/engine/layout.cpp:1: engine includes ../drawing/chart.h, a layer it may not use"]),
        ("the DXF writer is not the SVG", {
            "export/layoutdxf.cpp": '#include "export/dxfwriter.h"\n#include "export/svglayout.h"\n',
            "export/svglayout.cpp": '#include "export/layoutdxf.h"\n#include "drawing/layoutdrawing.h"\n'},
         ["src/export/layoutdxf.cpp:2: export includes export/svglayout.h, a layer it may not use"]),
        ("the batch commands on the core alone", {
            "batch/info.cpp": '#include "engine/report.h"\n#include "print/page.h"\n',
            "batch/pages/report.cpp": '#include "batch/command.h"\n#include "print/page.h"\n'},
         ["src/batch/info.cpp:2: batch includes print/page.h, a layer it may not use"]),
        ("the output module is below the program", {"output/module.cpp": '#include "app/outputmodule.h"\n'},
         ["src/output/module.cpp:1: output includes app/outputmodule.h, a layer it may not use"]),
        ("an unknown folder", {"units/units.cpp": '#include "nowhere/x.h"\n', "plugins/x.cpp": ""},
         ["src/plugins/: a folder without a layer rule",
          "src/units/units.cpp:1: units includes nowhere/x.h, which is no layer of src/"]),
    ]
    failed = 0
    for name, files, expected in cases:
        with tempfile.TemporaryDirectory() as src:
            for path, text in files.items():
                os.makedirs(os.path.join(src, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(src, path), "w", encoding="utf-8") as f:
                    f.write(text)
            found = check(src)
        ok = len(found) == len(expected) and all(f.startswith(e) for f, e in zip(found, expected))
        if not ok:
            failed += 1
            print("FAIL %s\n  expected %s\n  found    %s" % (name, expected, found))
    print("%d of %d cases failed" % (failed, len(cases)) if failed else "all %d cases pass" % len(cases))
    return 1 if failed else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2 or not os.path.isdir(argv[1]):
        print("usage: check_layers.py SRC | --self-test", file=sys.stderr)
        return 2
    findings = check(argv[1])
    for f in findings:
        print(f)
    if findings:
        print("%d include(s) leave their layer" % len(findings))
        return 1
    print("every include stays in its layer or goes down")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
