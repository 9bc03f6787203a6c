#!/usr/bin/env python3
"""Every key of every command's JSON is described in the manual page, and
every key the page lists is written by some command:

    check_manpage_keys.py BATCH MANPAGE DATADIR EXAMPLE

MANPAGE is the page's source (packaging/beltcalc-batch.1.in); a key counts
as described when it stands in bold in its JSON section. A command line that
writes new keys joins RUNS below."""
import json
import os
import re
import subprocess
import sys


def runs(data, example):
    """(name, arguments, exit status): between them every kind of object
    each command writes."""
    two = os.path.join(data, "two-pulley-design.dat")
    demo = [os.path.join(data, "demo-design.dat"), "--path", "2", "--double-sided", "no", "--length", "rounded",
            "--pick", "longer", "--adjust-pulley", "2", "--axis", "y", "--width", "proposed"]
    duty = ["--power", "3.4", "--rpm", "1200", "--ratio", "2", "--centre", "300..500"]
    return [
        ("info of a design", ["info", example], 0),
        ("info before the calculation", ["info", two], 0),
        ("info of an open-end drive", ["info", os.path.join(data, "selkira-open-end.dat")], 0),
        ("calc of four pulleys", ["calc"] + demo, 0),
        ("calc of two pulleys", ["calc", two, "--length", "standard", "--pick", "shorter", "--width", "proposed"], 0),
        ("calc of a multi-rib belt", ["calc", os.path.join(data, "quindel-design.dat"), "--length", "standard",
                                      "--pick", "shorter", "--width", "proposed"], 0),
        ("calc that stops", ["calc", os.path.join(data, "overlapping-layout.dat"), "--length", "standard"], 1),
        ("paths", ["paths", os.path.join(data, "demo-design.dat")], 0),
        ("propose", ["propose"] + duty + ["--top", "3"], 0),
        ("propose without a drive", ["propose", "--power", "400", "--rpm", "1200", "--driven-rpm", "600",
                                     "--centre", "300..500", "--families", "ORVANTO"], 1),
        ("an error", ["info", os.path.join(data, "none.dat")], 2),
    ]


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def keys(value, path, found):
    """Every object key in value, with the path where it was first met."""
    if isinstance(value, dict):
        for k, v in value.items():
            found.setdefault(k, path + k)
            keys(v, path + k + "/", found)
    elif isinstance(value, list):
        for i, v in enumerate(value):
            keys(v, path + str(i) + "/", found)


def described(page):
    """The words in bold in the page's JSON section, and the names of its
    lists of keys (".TP" headings)."""
    section = re.search(r"^\.SH JSON\n(.*?)^\.SH ", page, re.S | re.M)
    if not section:
        fail("the manual page has no JSON section")
    text = section.group(1).replace("\\-", "-").replace("\\&", "")
    bold = set()
    for line in text.splitlines():
        m = re.match(r"^\.(B|BR|RB|BI|IB)\s+(.*)$", line)
        if m:
            words = re.findall(r'"[^"]*"|\S+', m.group(2))
            # .BR and .RB alternate bold and roman, starting with bold or not.
            start = 0 if m.group(1) in ("B", "BR", "BI") else 1
            step = 1 if m.group(1) == "B" else 2
            for w in words[start::step]:
                bold.update(re.findall(r"[A-Za-z][A-Za-z0-9]*", w))
        for inline in re.findall(r"\\fB(.*?)\\f[RPI]", line):
            bold.update(re.findall(r"[A-Za-z][A-Za-z0-9]*", inline))
    listed = set()
    for heading in re.findall(r"^\.TP\n\.B (.*)$", text, re.M):
        listed.update(w.strip() for w in heading.split(","))
    return bold, listed


def main():
    batch, manpage, data, example = sys.argv[1:5]
    with open(manpage, encoding="utf-8") as f:
        bold, listed = described(f.read())
    written = {}
    for name, args, status in runs(data, example):
        r = subprocess.run([batch] + args + ["--json"], capture_output=True, env={})
        if r.returncode != status:
            fail("%s: exit status %d, expected %d\n%s" % (name, r.returncode, status, r.stderr.decode()))
        found = {}
        keys(json.loads(r.stdout), "", found)
        for k, where in found.items():
            written.setdefault(k, (name, where))
    missing = sorted(k for k in written if k not in bold)
    for k in missing:
        print("missing: key \"%s\" (%s --json, at %s) is not described in the JSON section of %s" %
              (k, written[k][0], written[k][1], os.path.basename(manpage)))
    stale = sorted(k for k in listed if k not in written)
    for k in stale:
        print("stale: the manual page lists \"%s\", which no command writes" % k)
    if missing or stale:
        fail("%d keys not described, %d described but not written" % (len(missing), len(stale)))
    print("ok: all %d keys described" % len(written))


if __name__ == "__main__":
    main()
