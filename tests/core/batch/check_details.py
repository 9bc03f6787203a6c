#!/usr/bin/env python3
"""The calculation details of calc --json, against calc's own results:

    check_details.py BATCH DATADIR

For a table of designs (one per belt family, a four-pulley timing drive, an
omega drive): every details entry that names a result ("field", a JSON
pointer) gives exactly the value calc writes there; every figure of the
results has such an entry; the messages the design showed are in the
details; a stopped design ends with its message; --details prints them."""
import json
import math
import os
import subprocess
import sys
import tempfile

failures = []


def fail(message):
    failures.append(message)


def run(batch, args):
    return subprocess.run([batch] + args, capture_output=True, env={})


def resolve(doc, pointer):
    node = doc
    for part in pointer.strip("/").split("/"):
        node = node[int(part)] if isinstance(node, list) else node[part]
    return node


ANSWERS = ["--length", "standard", "--pick", "longer", "--width", "proposed", "--double-sided", "no"]
DESIGNS = [
    ("ORVANTO T10", "two-pulley-design.dat", []),
    ("SELKIRA open end", "selkira-open-end.dat", []),
    ("SELKIRA omega", "selkira-omega.dat", ["--adjust-pulley", "2", "--axis", "y"]),
    ("TAVOREN AT10", "tavoren-at10.dat", []),
    ("RUBBER L", "rubber-l.dat", []),
    ("QUINDEL H", "quindel-design.dat", []),
    ("FENDARO FXA3", "fendaro-fxa3.dat", []),
    ("four pulleys", "demo-design.dat", ["--adjust-pulley", "2", "--axis", "y"]),
]


def required(doc):
    fields = ["/beltSpeed", "/peripheralForce", "/beltLength", "/serviceFactor", "/beltWidth/value",
              "/beltWidthCalculated/value", "/powerRating", "/safetyFactor", "/beltCode"]
    if doc["pulleyFaceWidth"] is not None:
        fields.append("/pulleyFaceWidth")
    if doc["teethInMesh"] is not None:
        fields.append("/teethInMesh")
    if doc["pulleyCount"] == 2:
        fields.append("/centreDistance")
    for i, pulley in enumerate(doc["pulleys"]):
        fields += ["/pulleys/%d/diameter" % i, "/pulleys/%d/arcOfContact" % i]
        if pulley["role"] != "idler":
            fields.append("/pulleys/%d/speed" % i)
        if i > 0:
            fields += ["/pulleys/%d/position/x" % i, "/pulleys/%d/position/y" % i]
    return fields


def check_design(batch, data, name, file, extra):
    r = run(batch, ["calc", data + "/" + file] + ANSWERS + extra + ["--json"])
    if r.returncode != 0:
        fail("%s: exit status %d\n%s" % (name, r.returncode, r.stderr.decode(errors="replace")))
        return
    doc = json.loads(r.stdout)
    last = {}
    for entry in doc["details"]:
        if entry.get("field"):
            last[entry["field"]] = entry
    for pointer, entry in last.items():
        expected = resolve(doc, pointer)
        if entry["value"] != expected:
            fail("%s: %s is %r in the details (%s), %r in the results" %
                 (name, pointer, entry["value"], entry["what"], expected))
    for pointer in required(doc):
        if pointer not in last:
            fail("%s: no details entry gives %s" % (name, pointer))
    shown = [m["text"] for m in doc["messages"] if m["kind"] == "message"]
    recorded = [e["message"]["text"] for e in doc["details"] if "message" in e]
    if shown != recorded:
        fail("%s: the details hold the messages %r, the design showed %r" % (name, recorded, shown))
    # A linear drive's speed follows from its power and the carriage force.
    if file == "selkira-open-end.dat":
        v = last.get("/beltSpeed", {})
        if v.get("formula") != "v = P / F" or \
                not math.isclose(v["value"], doc["power"] / doc["peripheralForce"], rel_tol=1e-12):
            fail("%s: the belt speed's entry is %r" % (name, v))
    steps = [e["step"] for e in doc["details"]]
    if steps[-1] != "Installation data" or steps[0] != "Application data":
        fail("%s: the details run from %s to %s" % (name, steps[0], steps[-1]))


def check_stopped(batch, data):
    # 301 mm of T10 belt is not made: the width question refuses it.
    r = run(batch, ["calc", data + "/two-pulley-design.dat", "--length", "standard", "--pick", "shorter",
                    "--width", "301", "--json"])
    doc = json.loads(r.stdout)
    if doc["outcome"] != "stopped":
        fail("the stopped design: outcome %s" % doc["outcome"])
        return
    final = doc["details"][-1]
    if final.get("message", {}).get("text") != \
            "Requested belt is not available !\nPlease contact VESTRANO Technical Staff !!":
        fail("the stopped design's details end with %r" % final)
    r = run(batch, ["calc", data + "/two-pulley-design.dat", "--length", "standard", "--pick", "shorter",
                    "--width", "301", "--details"])
    text = r.stdout.decode()
    if r.returncode != 1 or "CALCULATION DETAILS" not in text or \
            "! Warning !!!: Requested belt is not available !" not in text:
        fail("calc --details of a stopped design printed:\n" + text[-400:])


def check_carriage_data(batch, data):
    """calc takes the carriage data of the file, not the force stored with
    them: slopes and masses written into a SELKIRA project."""
    with open(data + "/selkira-open-end.dat", newline="") as f:
        lines = f.read().split("\r\n")
    # Line 37: slope, mass, stroke, torque, carriage length, acceleration;
    # line 38: belt speed, friction, power, force, ...
    slope_line, load_line = 36, 37
    for slope, mass, stored_force in [(0, 10, 74.03), (30, 25, 74.03), (90, 5, 0)]:
        items = lines[slope_line].split(",")
        items[0], items[1] = str(slope), str(mass)
        acceleration = float(items[5])
        edited = list(lines)
        edited[slope_line] = ",".join(items)
        load = edited[load_line].split(",")
        friction = float(load[1])
        load[3] = str(stored_force)
        edited[load_line] = ",".join(load)
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "slope.dat")
            with open(path, "w", newline="") as f:
                f.write("\r\n".join(edited))
            r = run(batch, ["calc", path] + ANSWERS + ["--json"])
        name = "slope %s, %s kg" % (slope, mass)
        if r.returncode != 0:
            fail("%s: exit status %d\n%s" % (name, r.returncode, r.stderr.decode(errors="replace")))
            continue
        doc = json.loads(r.stdout)
        expected = mass * (9.806 * math.sin(slope * 3.141592654 / 180) + acceleration) + friction
        if not math.isclose(doc["peripheralForce"], expected, rel_tol=1e-12):
            fail("%s: calc gives F = %r, the carriage %r" % (name, doc["peripheralForce"], expected))


def main():
    batch, data = sys.argv[1], sys.argv[2]
    for name, file, extra in DESIGNS:
        check_design(batch, data, name, file, extra)
    check_stopped(batch, data)
    check_carriage_data(batch, data)
    if failures:
        print("FAILED:\n" + "\n".join(failures))
        sys.exit(1)


main()
