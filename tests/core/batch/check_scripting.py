#!/usr/bin/env python3
"""beltcalc-batch as a script reads it:

    check_scripting.py BATCH DATADIR WORKDIR SECTION

SECTION is one of
  same-drive   calc --json and propose --json of one drive agree on every
               field they share: name, unit and value
  errors       --json on every kind of failure prints one object with
               "outcome": "error" and the message, and exits with 2
  terminal     control characters of a damaged file reach the terminal
               escaped ("\\x1b"), never as raw bytes; JSON gives the real text
  nulls        results not calculated yet are null in every command's JSON
               (projects saved at steps 3, 5 and 6), and info of a saved
               design says what calc said of it; a byte-order mark is read
               past and never written"""
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
    # JSON escapes by itself: its message names the file as the system has it.
    r = run(batch, ["info", damaged, "--json"])
    message = json.loads(r.stdout)["message"]
    if damaged + " is damaged" not in message or "\x1b[2J" not in message:
        fail("the JSON message does not carry the real text: %r" % message)
    named = os.path.join(work, "a\x1b[31mb.dat")
    r = run(batch, ["info", named, "--json"])
    if json.loads(r.stdout)["message"] != "cannot read the project file %s: No such file or directory" % named:
        fail("the JSON message does not carry the real file name: %r" % r.stdout)
    if b"a\\x1b[31mb.dat" not in r.stderr:
        fail("the terminal gets the file name unescaped: %r" % r.stderr)
    print("ok: JSON carries the real text, the terminal the escaped one")


# What a project saved before the calculation does not know yet.
RESULTS = ["beltCode", "beltCodeDetail", "beltLength", "beltWidth", "beltWidthCalculated", "serviceFactor",
           "powerRating", "safetyFactor", "pulleyFaceWidth", "teethInMesh", "maxEffectivePull",
           "maxTractionLoad1", "maxTractionLoad2", "maxTractionLoad3", "lastStandardLength"]


def close(a, b):
    if isinstance(a, float) or isinstance(b, float):
        return isinstance(a, (int, float)) and isinstance(b, (int, float)) and abs(a - b) <= 1e-9 * max(1, abs(a))
    if isinstance(a, dict):
        return isinstance(b, dict) and a.keys() == b.keys() and all(close(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return isinstance(b, list) and len(a) == len(b) and all(close(x, y) for x, y in zip(a, b))
    return a == b


def nulls(batch, data, work):
    os.makedirs(work, exist_ok=True)
    two = os.path.join(data, "two-pulley-design.dat")
    step3 = json_of(batch, ["info", two, "--json"])
    known = [k for k in RESULTS if step3[k] is not None]
    if known:
        fail("a project saved at step 3 gives results: %s" % {k: step3[k] for k in known})
    if any(p["arcOfContact"] is not None for p in step3["pulleys"]):
        fail("a project saved at step 3 gives arcs of contact")
    # Its range and its torque are known before the calculation.
    for name in ("minBeltLength", "maxBeltLength", "torque"):
        if not step3[name]:
            fail("step 3: %s is %r" % (name, step3[name]))
    # calc of a step 3 project that stops: no result, and null where it did not get.
    stopped = json_of(batch, ["calc", two, "--length", "standard", "--json"], status=2)
    if stopped["outcome"] != "error":
        fail("calc without its answers: %r" % stopped)

    # Saved at step 5 by calc; the same file as the desktop program saves it at step 6.
    answers = ["--length", "standard", "--pick", "shorter", "--width", "proposed"]
    designs = [("two pulleys", two, answers),
               ("four pulleys", os.path.join(data, "demo-design.dat"),
                ["--path", "2", "--double-sided", "no", "--length", "rounded", "--pick", "longer",
                 "--adjust-pulley", "2", "--axis", "y", "--width", "proposed"]),
               ("open-end", os.path.join(data, "selkira-open-end.dat"), answers)]
    for name, project, options in designs:
        step5 = os.path.join(work, name + "-5.dat")
        calc = json_of(batch, ["calc", project] + options + ["--save", step5, "--json"])
        with open(step5, "rb") as f:
            saved = f.read()
        if not saved.startswith(b'"STEP5"\r\n'):
            fail("%s: saved as %r" % (name, saved[:10]))
        step6 = os.path.join(work, name + "-6.dat")
        with open(step6, "wb") as f:
            f.write(b'"STEP6"' + saved[len(b'"STEP5"'):])
        torque = [e["value"] for e in calc["details"] if e.get("what") == "Torque on the driver pulley"]
        if len(torque) != 1 or not close(calc["torque"], torque[0]):
            fail("%s: calc's torque %r, its details %r" % (name, calc["torque"], torque))
        for saved_at in (step5, step6):
            info = json_of(batch, ["info", saved_at, "--json"])
            for key, value in calc.items():
                if key in ("schema", "outcome", "result", "activeScreen", "messages", "report", "details"):
                    continue
                if key not in info or not close(value, info[key]):
                    fail("%s: calc says %s %r, info of %s %r" % (name, key, value, os.path.basename(saved_at),
                                                                 info.get(key)))
            text = run(batch, ["info", saved_at]).stdout.decode()
            if "Torque                0.00" in text:
                fail("%s: info shows no torque\n%s" % (name, text))
        openEnd = calc["maxEffectivePull"] is not None
        if openEnd != (name == "open-end") or any(calc[k] is None for k in ("beltCode", "beltLength",
                                                                             "safetyFactor", "serviceFactor")):
            fail("%s: %r" % (name, {k: calc[k] for k in RESULTS}))
        print("ok: %s: info of the files saved at steps 5 and 6 says what calc said" % name)

    # propose designs every row it shows: none of its results is null.
    propose = json_of(batch, ["propose", "--power", "3.4", "--rpm", "1200", "--ratio", "2", "--centre", "300..500",
                              "--top", "3", "--json"])
    for row in propose["proposals"]:
        for key in ("beltCode", "beltLength", "beltWidth", "serviceFactor", "powerRating", "safetyFactor"):
            if row[key] is None:
                fail("propose row %d: %s is null" % (row["rank"], key))

    # A byte-order mark before the first record is read past, and not written.
    with open(two, "rb") as f:
        plain = f.read()
    marked = os.path.join(work, "bom.dat")
    with open(marked, "wb") as f:
        f.write(b"\xef\xbb\xbf" + plain)
    if json_of(batch, ["info", marked, "--json"])["beltName"] != step3["beltName"]:
        fail("the file with a byte-order mark reads otherwise")
    resaved = os.path.join(work, "bom-saved.dat")
    json_of(batch, ["calc", marked] + answers + ["--save", resaved, "--json"])
    with open(resaved, "rb") as f:
        if not f.read().startswith(b'"STEP5"'):
            fail("a save writes a byte-order mark")
    print("ok: a byte-order mark is read past and not written")


def main():
    batch, data, work, section = sys.argv[1:5]
    if section == "same-drive":
        same_drive(batch, data)
    elif section == "errors":
        errors(batch, data, work)
    elif section == "terminal":
        terminal(batch, data, work)
    elif section == "nulls":
        nulls(batch, data, work)
    else:
        fail("unknown section " + section)


if __name__ == "__main__":
    main()
