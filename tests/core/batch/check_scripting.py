#!/usr/bin/env python3
"""beltcalc-batch as a script reads it:

    check_scripting.py BATCH DATADIR WORKDIR SECTION

SECTION is one of
  same-drive   calc --json and propose --json of one drive agree on every
               field they share: name, unit and value
  errors       --json on every kind of failure prints one object with
               "outcome": "error" and the message, and exits with 2
  terminal     control characters of a damaged file reach the terminal
               escaped ("\\x1b"), never as raw bytes"""
import json
import os
import subprocess
import sys


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def run(batch, args):
    return subprocess.run([batch] + args, capture_output=True, env={})


def json_of(batch, args, status=0):
    r = run(batch, args)
    if r.returncode != status:
        fail("%s: exit status %d, expected %d\n%s" % (" ".join(args), r.returncode, status,
                                                        r.stderr.decode(errors="replace")))
    return json.loads(r.stdout)


# The fields both commands write for a drive; pulleys are compared by these.
SHARED = ["beltFamily", "beltType", "beltPitchCode", "beltName", "beltCode", "beltLength", "beltWidth",
          "centreDistance", "beltSpeed", "teethInMesh", "serviceFactor", "powerRating", "safetyFactor"]
PULLEY = ["number", "role", "teeth", "diameter", "speed", "ratio", "arcOfContact"]


def same(a, b):
    if isinstance(a, float) or isinstance(b, float):
        return isinstance(a, (int, float)) and isinstance(b, (int, float)) and abs(a - b) <= 1e-9 * max(1, abs(a))
    if isinstance(a, dict):
        return isinstance(b, dict) and a.keys() == b.keys() and all(same(a[k], b[k]) for k in a)
    return a == b


def same_drive(batch, data):
    """The drive of two-pulley-design.dat (2 kW at 1500 rpm, ratio 2, 300 mm,
    service factor 1.2 + 0.2 + the ratio's 0.2) as calc designs it and as
    propose designs it from the duty."""
    calc = json_of(batch, ["calc", os.path.join(data, "two-pulley-design.dat"), "--length", "standard", "--pick",
                           "shorter", "--width", "proposed", "--json"])
    propose = json_of(batch, ["propose", "--power", "2", "--rpm", "1500", "--ratio", "2", "--centre", "250..350",
                              "--service-factor", "1.4", "--families", "orvanto", "--top", "all", "--json"])
    rows = [r for r in propose["proposals"] if r["beltCode"] == calc["beltCode"] and
            [p["teeth"] for p in r["pulleys"]] == [p["teeth"] for p in calc["pulleys"]]]
    if len(rows) != 1:
        fail("propose has %d rows of %s" % (len(rows), calc["beltCode"]))
    row = rows[0]
    for name in SHARED:
        if name not in calc or name not in row:
            fail("%s is missing from %s" % (name, "calc" if name not in calc else "propose"))
        if not same(calc[name], row[name]):
            fail("%s: calc %r, propose %r" % (name, calc[name], row[name]))
    if len(row["pulleys"]) != len(calc["pulleys"]):
        fail("pulleys: calc %d, propose %d" % (len(calc["pulleys"]), len(row["pulleys"])))
    for mine, theirs in zip(calc["pulleys"], row["pulleys"]):
        for name in PULLEY:
            if not same(mine[name], theirs[name]):
                fail("pulley %s %s: calc %r, propose %r" % (mine["number"], name, mine[name], theirs[name]))
    # The short result says the same.
    result = calc["result"]
    for name in ("beltCode", "beltLength", "beltWidth", "safetyFactor"):
        if not same(result[name], calc[name]):
            fail("result/%s: %r, the project %r" % (name, result[name], calc[name]))
    for schema in (calc, propose):
        if schema["schema"] != 1:
            fail("schema %r" % schema["schema"])
    print("ok: %s agrees on %s and the pulleys' %s" % (calc["beltCode"], ", ".join(SHARED), ", ".join(PULLEY)))


def errors(batch, data, work):
    os.makedirs(work, exist_ok=True)
    two = os.path.join(data, "two-pulley-design.dat")
    answers = ["--length", "standard", "--pick", "shorter", "--width", "proposed"]
    cases = [
        ("unknown option", ["calc", two, "--frob", "--json"], "unknown option --frob"),
        ("no project file", ["info", os.path.join(data, "none.dat"), "--json"], "No such file or directory"),
        ("damaged project file", ["info", os.path.join(data, "damaged.dat"), "--json"], "line 38"),
        ("paths of a damaged project", ["paths", os.path.join(data, "truncated.dat"), "--json"], "damaged"),
        ("unanswered question", ["calc", two, "--json"], "answer it with --length standard|rounded"),
        ("no proposed width", ["calc", os.path.join(data, "fendaro-fxa14.dat"), "--pick", "longer", "--width",
                               "proposed", "--json"], "no width is proposed"),
        ("layout to fit", ["calc", os.path.join(data, "demo-design.dat"), "--path", "2", "--double-sided", "no",
                           "--length", "rounded", "--pick", "longer", "--width", "proposed", "--json"],
         "--adjust-pulley"),
        ("project not saved", ["calc", two] + answers + ["--save", os.path.join(work, "none", "x.dat"), "--json"],
         "No such file or directory"),
        ("wrong duty", ["propose", "--power", "0", "--rpm", "1200", "--ratio", "2", "--centre", "1..2", "--json"],
         "The power must be above 0"),
    ]
    for name, args, part in cases:
        r = run(batch, args)
        if r.returncode != 2:
            fail("%s: exit status %d, expected 2" % (name, r.returncode))
        try:
            j = json.loads(r.stdout)
        except ValueError:
            fail("%s: standard output is no JSON: %r" % (name, r.stdout))
        if list(j.keys()) != ["schema", "outcome", "message"] or j["schema"] != 1 or j["outcome"] != "error":
            fail("%s: %r" % (name, j))
        if part not in j["message"]:
            fail("%s: the message does not say %r: %s" % (name, part, j["message"]))
        if j["message"] not in r.stderr.decode(errors="replace"):
            fail("%s: standard error does not carry the message" % name)
        print("ok: %s: %s" % (name, j["message"]))
    # The program's own texts come with "\n" line breaks.
    calc = json_of(batch, ["calc", two] + answers + ["--json"])
    texts = json.dumps(calc["messages"]) + json.dumps(calc["report"])
    if "\\r" in texts:
        fail("a message or report line holds a carriage return")


def terminal(batch, data, work):
    os.makedirs(work, exist_ok=True)
    with open(os.path.join(data, "two-pulley-design.dat"), "rb") as f:
        lines = f.read().split(b"\r\n")
    # A number that clears the screen and retitles the terminal; 0x9D reads
    # as the C1 control U+009D (OSC), as Windows reads it.
    lines[37] = b"\x1b[2J\x1b]0;owned\x07\x9d0;again\x07,0,0"
    damaged = os.path.join(work, "escapes.dat")
    with open(damaged, "wb") as f:
        f.write(b"\r\n".join(lines))
    for args in (["info", damaged], ["calc", damaged, "--length", "standard"]):
        r = run(batch, args)
        out = r.stdout + r.stderr
        if r.returncode != 2:
            fail("%s: exit status %d" % (args[0], r.returncode))
        raw = [b for b in out if b < 0x20 and b not in (0x0A,)]
        if raw or b"\xc2\x9d" in out:
            fail("%s: raw control characters reach the terminal: %r" % (args[0], r.stderr))
        if b"\\x1b[2J\\x1b]0;owned\\x07\\u009d0;again\\x07" not in r.stderr:
            fail("%s: the escapes are not quoted: %r" % (args[0], r.stderr))
        print("ok: %s: %s" % (args[0], r.stderr.decode().strip().splitlines()[-1]))


def main():
    batch, data, work, section = sys.argv[1:5]
    if section == "same-drive":
        same_drive(batch, data)
    elif section == "errors":
        errors(batch, data, work)
    elif section == "terminal":
        terminal(batch, data, work)
    else:
        fail("unknown section " + section)


if __name__ == "__main__":
    main()
