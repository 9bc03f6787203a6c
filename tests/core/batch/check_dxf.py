#!/usr/bin/env python3
"""Reads the layout DXF of beltcalc-batch back with ezdxf, a reader of its own,
and checks it against the project the calculation left:

    check_dxf.py BATCH PROJECT.dat WORKDIR [calc options...]

The calculation runs with --json and --save; the saved project's layout is
then written as DXF. Each pulley's pitch circle has its centre and radius to
1e-6 mm; every straight belt piece starts and ends on the pitch circles it
touches and is tangent there (or ends at an omega drive's clamp); the arcs of
contact lie on the pitch circles and join the straight pieces; the BELT
entities add up to the project's belt length to 1e-6 mm."""
import json
import math
import os
import subprocess
import sys

import ezdxf

TOL = 1e-6  # mm


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def main():
    batch, project, workdir = sys.argv[1:4]
    calc_options = sys.argv[4:]
    os.makedirs(workdir, exist_ok=True)
    saved = os.path.join(workdir, "calculated.dat")
    dxf_path = os.path.join(workdir, "layout.dxf")
    env = {}  # the tool needs nothing from the environment
    run = subprocess.run([batch, "calc", project, "--json", "--save", saved] + calc_options,
                         capture_output=True, text=True, env=env)
    if run.returncode != 0:
        fail("calc: " + run.stderr)
    p = json.loads(run.stdout)
    run = subprocess.run([batch, "layout", saved, "--dxf", dxf_path], capture_output=True, text=True, env=env)
    if run.returncode != 0:
        fail("layout: " + run.stderr)

    doc = ezdxf.readfile(dxf_path)
    auditor = doc.audit()
    if auditor.has_errors:
        fail("the DXF has errors: %s" % [str(e.message) for e in auditor.errors])
    layers = {layer.dxf.name for layer in doc.layers}
    for name in ("PITCH", "OUTSIDE", "CENTRES", "BELT", "TEXT"):
        if name not in layers:
            fail("no layer " + name)
    msp = doc.modelspace()

    n = len(p["pulleys"])
    pulleys = []
    for pulley in p["pulleys"]:
        k = pulley["number"]
        x = pulley["position"]["x"] * 1000
        y = pulley["position"]["y"] * 1000
        r = pulley["diameter"] * 500
        pulleys.append((k, x, y, r))
        found = [c for c in msp.query("CIRCLE[layer=='PITCH']")
                 if math.hypot(c.dxf.center.x - x, c.dxf.center.y - y) < TOL and abs(c.dxf.radius - r) < TOL]
        if len(found) != 1:
            fail("pulley %d: %d pitch circles at (%.6f, %.6f) with radius %.6f" % (k, len(found), x, y, r))
        d_out = pulley["outsideDiameter"] * 1000
        if pulley["role"] != "idler" and d_out > 0:
            if not [c for c in msp.query("CIRCLE[layer=='OUTSIDE']") if abs(c.dxf.radius - d_out / 2) < TOL]:
                fail("pulley %d: no outside circle of %.6f mm" % (k, d_out))

    omega = p["beltFamily"] == "SELKIRA" and p["linearDriveType"] == 1
    clamps = [(s * p["stroke"] * 500) for s in (-1, 1)] if omega else []

    def on_circle(pt):
        return [q for q in pulleys if abs(math.hypot(pt[0] - q[1], pt[1] - q[2]) - q[3]) < TOL]

    total = 0.0
    ends = []
    lines = msp.query("LINE[layer=='BELT']")
    if not lines:
        fail("no belt")
    for line in lines:
        a = (line.dxf.start.x, line.dxf.start.y)
        b = (line.dxf.end.x, line.dxf.end.y)
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        total += length
        for pt in (a, b):
            ends.append(pt)
            touching = on_circle(pt)
            if not touching:
                if omega and any(abs(pt[0] - c) < TOL for c in clamps):
                    continue
                fail("belt line %s-%s: the end %s lies on no pitch circle" % (a, b, pt))
            for (k, x, y, r) in touching:
                # Tangent: the line's distance from the centre is the radius.
                dist = abs((b[0] - a[0]) * (a[1] - y) - (a[0] - x) * (b[1] - a[1])) / length
                if abs(dist - r) > TOL:
                    fail("belt line %s-%s is not tangent to pulley %d: %.9f from its centre, radius %.9f"
                         % (a, b, k, dist, r))
    for arc in msp.query("ARC[layer=='BELT']"):
        c = arc.dxf.center
        if not [q for q in pulleys if math.hypot(c.x - q[1], c.y - q[2]) < TOL and abs(arc.dxf.radius - q[3]) < TOL]:
            fail("belt arc at (%.6f, %.6f) is on no pitch circle" % (c.x, c.y))
        sweep = (arc.dxf.end_angle - arc.dxf.start_angle) % 360.0
        total += math.radians(sweep) * arc.dxf.radius
        for pt in (arc.start_point, arc.end_point):
            if not any(math.hypot(pt.x - e[0], pt.y - e[1]) < TOL for e in ends):
                fail("belt arc on (%.6f, %.6f) does not join a straight piece at %s" % (c.x, c.y, pt))

    length = p["beltLength"] * 1000
    if abs(total - length) > TOL:
        fail("the belt entities add up to %.9f mm, the project's belt is %.9f mm" % (total, length))

    texts = [t.dxf.text for t in msp.query("TEXT[layer=='TEXT']")]
    for k in range(1, n + 1):
        if not any(t.endswith("# %d" % k) or (k == 1 and t == "Driver pulley") or t == "Driven pulley" for t in texts):
            fail("no name of pulley %d among %s" % (k, texts))
    print("layout of %s: %d pulleys, belt %.6f mm" % (p["beltName"], n, total))


main()
