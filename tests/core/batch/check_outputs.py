#!/usr/bin/env python3
"""What beltcalc-batch writes arrives whole or not at all:

    check_outputs.py BATCH DATADIR EXAMPLE WORKDIR SECTION

SECTION is one of
  failures   every output (project, report and tables PDF, DXF, SVG) against
             a full disk (a 16 kB tmpfs where one can be mounted, and always
             a file size limit), a named pipe in place of the file and a
             read-only folder (for root, who writes into any folder, a
             read-only mount where one can be made): the status is 2, the old
             file is as it was and no other file is left in the folder
  stdout     standard output on /dev/full: every command fails with 2
  stopped    --save after a stopped calculation leaves its input byte for byte
  bytes      the same report --date twice gives the same bytes, and "-" gives
             the bytes of the file; so does it in every time zone, and with
             SOURCE_DATE_EPOCH for --date
  targets    every output onto a file its user may not write (refused), through
             a link to a file not there yet (created, the link kept), under a
             name of 255 bytes (written), and stopped by a signal just before
             its rename (the old file stays, no other is left, status 128 +
             the signal)"""
import os
import resource
import shutil
import signal
import stat
import subprocess
import sys

OLD = b"the old file\n"


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def run(batch, args, limit=None, stdout=subprocess.PIPE, env=None, user=None):
    def limited():
        if limit is not None:
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
        if user is not None:
            os.setgroups([])
            os.setgid(user[1])
            os.setuid(user[0])
    return subprocess.run([batch] + args, stdout=stdout, stderr=subprocess.PIPE, env=env or {}, preexec_fn=limited)


def listing(folder):
    return sorted(os.listdir(folder))


# Every output of the tool, as the arguments before its file name.
def outputs(data, example):
    two = os.path.join(data, "two-pulley-design.dat")
    calc = [two, "--length", "standard", "--pick", "shorter", "--width", "proposed"]
    return [
        ("project", "drive.dat", ["calc"] + calc + ["--save"]),
        ("report", "report.pdf", ["report"] + calc + ["--pdf"]),
        ("tables", "tables.pdf", ["tables", "feasibility", "--pdf"]),
        ("dxf", "layout.dxf", ["layout", example, "--dxf"]),
        ("svg", "layout.svg", ["layout", example, "--svg"]),
    ]


def expect_refused(batch, args, folder, name, kind, limit=None):
    """Runs the output into folder/name, which holds the old file (or a named
    pipe), and checks that nothing changed."""
    target = os.path.join(folder, name)
    before = listing(folder)
    pipe = stat.S_ISFIFO(os.lstat(target).st_mode)
    r = run(batch, args + [target], limit)
    what = "%s into %s (%s)" % (args[0], target, kind)
    if r.returncode != 2:
        fail("%s: exit status %d, expected 2\n%s" % (what, r.returncode, r.stderr.decode(errors="replace")))
    last = r.stderr.decode(errors="replace").strip().splitlines()[-1]
    if name not in last and os.path.basename(folder) not in last:
        fail("%s: the message names neither the file nor its folder: %s" % (what, last))
    if listing(folder) != before:
        fail("%s: the folder holds %s, before %s" % (what, listing(folder), before))
    if pipe:
        if not stat.S_ISFIFO(os.lstat(target).st_mode):
            fail("%s: the named pipe was replaced" % what)
    else:
        with open(target, "rb") as f:
            if f.read() != OLD:
                fail("%s: the old file changed" % what)
    print("ok: %s: %s" % (what, last))


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)


def place_old(folder, name):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(OLD)


def mount(args):
    return subprocess.run(["mount"] + args, stderr=subprocess.DEVNULL).returncode == 0


def small_file_systems(batch, data, example, work):
    """Runs in a mount namespace of its own (the mounts end with it): a 16 kB
    tmpfs, and a read-only bind mount, which root cannot write either."""
    cases = outputs(data, example)
    full = os.path.join(work, "full")
    fresh(full)
    if not mount(["-t", "tmpfs", "-o", "size=16k", "tmpfs", full]):
        print("skipped: no tmpfs can be mounted here")
        return
    for label, name, args in cases:
        for old in listing(full):
            os.remove(os.path.join(full, old))
        place_old(full, name)
        # Filled to the last byte.
        with open(os.path.join(full, "filler"), "wb", buffering=0) as filler:
            try:
                while True:
                    filler.write(b"\0" * 512)
            except OSError:
                pass
        expect_refused(batch, args, full, name, "full file system")
    readonly = os.path.join(work, "readonly-fs")
    fresh(readonly)
    for label, name, args in cases:
        place_old(readonly, name)
    if not (mount(["--bind", readonly, readonly]) and mount(["-o", "remount,bind,ro", readonly])):
        print("skipped: no read-only bind mount here")
        return
    for label, name, args in cases:
        expect_refused(batch, args, readonly, name, "read-only file system")


def failures(batch, data, example, work):
    cases = outputs(data, example)
    # A file size limit fails the write as a full disk does.
    folder = os.path.join(work, "limited")
    for label, name, args in cases:
        fresh(folder)
        place_old(folder, name)
        expect_refused(batch, args, folder, name, "file size limit", limit=1024)
    # A named pipe where the file should be.
    folder = os.path.join(work, "pipe")
    for label, name, args in cases:
        fresh(folder)
        os.mkfifo(os.path.join(folder, name))
        expect_refused(batch, args, folder, name, "named pipe")
    # A read-only folder; root ignores its permissions.
    folder = os.path.join(work, "readonly")
    fresh(folder)
    for label, name, args in cases:
        place_old(folder, name)
    os.chmod(folder, 0o555)
    try:
        if os.access(folder, os.W_OK) and os.geteuid() == 0:
            print("skipped: the read-only folder with permissions (root writes anyway)")
        else:
            for label, name, args in cases:
                expect_refused(batch, args, folder, name, "read-only folder")
    finally:
        os.chmod(folder, 0o755)
    # A full disk and a read-only file system where the tests may mount them.
    if os.geteuid() != 0 or not shutil.which("unshare"):
        print("skipped: no mount namespace for a tmpfs here")
        return
    r = subprocess.run(["unshare", "--mount", "--propagation", "private", sys.executable, os.path.abspath(__file__),
                        batch, data, example, work, "mounted"])
    if r.returncode != 0:
        sys.exit(1)


def stdout_full(batch, data, example):
    two = os.path.join(data, "two-pulley-design.dat")
    calc = [two, "--length", "standard", "--pick", "shorter", "--width", "proposed"]
    commands = [
        ["calc"] + calc,
        ["calc"] + calc + ["--json"],
        ["info", two],
        ["paths", example],
        ["propose", "--power", "3.4", "--rpm", "1200", "--ratio", "2", "--centre", "300..500"],
        ["tables", "idler", "--pdf", "-"],
        ["--help"],
    ]
    with open("/dev/full", "wb") as full:
        for args in commands:
            r = run(batch, args, stdout=full)
            message = r.stderr.decode(errors="replace")
            if r.returncode != 2 or "No space left on device" not in message:
                fail("%s to /dev/full: exit status %d\n%s" % (" ".join(args), r.returncode, message))
            print("ok: %s: %s" % (args[0], message.strip().splitlines()[-1]))


def stopped(batch, data, example, work):
    fresh(work)
    project = os.path.join(work, "v.dat")
    shutil.copy(example, project)
    with open(project, "rb") as f:
        before = f.read()
    # The layout is not fitted to the length: the calculation cannot finish.
    cases = [
        (["calc", project, "--length", "standard", "--pick", "shorter", "--width", "proposed"], 2),
        (["calc", os.path.join(data, "overlapping-layout.dat"), "--length", "standard"], 1),
    ]
    for args, status in cases:
        r = run(batch, args + ["--save", project])
        if r.returncode != status:
            fail("%s: exit status %d, expected %d" % (" ".join(args), r.returncode, status))
        with open(project, "rb") as f:
            if f.read() != before:
                fail("%s: the project was saved over" % " ".join(args))
        if listing(work) != ["v.dat"]:
            fail("%s: the folder holds %s" % (" ".join(args), listing(work)))
    print("ok: nothing saved after a stopped calculation")


def same_bytes(batch, data, work):
    fresh(work)
    args = ["report", os.path.join(data, "two-pulley-design.dat"), "--length", "standard", "--pick", "shorter",
            "--width", "proposed", "--date", "2026-12-09", "--pdf"]
    pages = []
    for name in ("first.pdf", "second.pdf"):
        r = run(batch, args + [os.path.join(work, name)])
        if r.returncode != 0:
            fail("report: exit status %d\n%s" % (r.returncode, r.stderr.decode(errors="replace")))
        with open(os.path.join(work, name), "rb") as f:
            pages.append(f.read())
    r = run(batch, args + ["-"])
    pages.append(r.stdout)
    if not pages[0].startswith(b"%PDF") or b"/CreationDate (D:20261209000000" not in pages[0]:
        fail("the PDF does not carry the date of --date as its creation date")
    if pages[0] != pages[1]:
        fail("the same report --date twice gives different bytes")
    if pages[2] != pages[0]:
        fail("the report on standard output differs from the file")
    print("ok: %d identical bytes, on standard output too" % len(pages[0]))
    # The time zone changes no byte; SOURCE_DATE_EPOCH (2026-12-09 18:00 UTC)
    # stands for --date.
    epoch = str(1796839200)
    for env in ({"TZ": "UTC"}, {"TZ": "Europe/Berlin"}, {"TZ": "America/New_York"}, {"TZ": "Asia/Kolkata"},
                {"TZ": "Europe/Berlin", "SOURCE_DATE_EPOCH": epoch}, {"SOURCE_DATE_EPOCH": epoch}):
        dated = args[:-3] + ["--pdf"] if "SOURCE_DATE_EPOCH" in env else args
        r = run(batch, dated + ["-"], env=env)
        if r.returncode != 0 or r.stdout != pages[0]:
            fail("report with %s: status %d, %s bytes" % (env, r.returncode, "other" if r.returncode == 0 else "no"))
    r = run(batch, args[:-3] + ["--pdf", "-"], env={"SOURCE_DATE_EPOCH": "yesterday"})
    if r.returncode != 2 or b"SOURCE_DATE_EPOCH takes the seconds since 1970-01-01 00:00 UTC, not \"yesterday\"" \
            not in r.stderr:
        fail("a SOURCE_DATE_EPOCH that is no number: %d %r" % (r.returncode, r.stderr))
    print("ok: the same bytes in every time zone and with SOURCE_DATE_EPOCH")


def nobody():
    """A user other than root to run the tool as, or None."""
    if os.geteuid() != 0:
        return (os.geteuid(), os.getegid())
    try:
        import pwd
        entry = pwd.getpwnam("nobody")
        return (entry.pw_uid, entry.pw_gid)
    except KeyError:
        return None


def targets(batch, data, example, work):
    fresh(work)
    os.chmod(work, 0o777)
    user = nobody()
    for label, name, args in outputs(data, example):
        # A file its user may not write, in a folder anyone may write to: cp
        # and a shell's ">" refuse it, and so does the tool.
        if user is None:
            print("skipped: no user but root here")
        else:
            folder = os.path.join(work, "protected")
            fresh(folder)
            os.chmod(folder, 0o777)
            place_old(folder, name)
            os.chmod(os.path.join(folder, name), 0o444)
            r = run(batch, args + [os.path.join(folder, name)], user=user)
            message = r.stderr.decode(errors="replace")
            if r.returncode != 2 or "%s: Permission denied" % os.path.join(folder, name) not in message:
                fail("%s onto a write-protected file: status %d\n%s" % (label, r.returncode, message))
            with open(os.path.join(folder, name), "rb") as f:
                if f.read() != OLD or listing(folder) != [name]:
                    fail("%s onto a write-protected file: it changed" % label)
            print("ok: %s onto a write-protected file: %s" % (label, message.strip().splitlines()[-1]))
        # A link to a file that is not there yet: the file is created, the link stays.
        folder = os.path.join(work, "link")
        fresh(folder)
        os.symlink("target-" + name, os.path.join(folder, name))
        r = run(batch, args + [os.path.join(folder, name)])
        if r.returncode != 0 or not os.path.islink(os.path.join(folder, name)) or \
                sorted(listing(folder)) != sorted([name, "target-" + name]):
            fail("%s through a dangling link: status %d, the folder holds %s" % (label, r.returncode,
                                                                                 listing(folder)))
        # The longest name the system takes.
        folder = os.path.join(work, "long")
        fresh(folder)
        longest = "n" * (255 - len(name)) + name
        r = run(batch, args + [os.path.join(folder, longest)])
        if r.returncode != 0 or listing(folder) != [longest]:
            fail("%s under a name of 255 bytes: status %d\n%s" % (label, r.returncode, r.stderr.decode()))
        r = run(batch, args + [os.path.join(folder, "n" + longest)])
        if r.returncode != 2 or b"n" + longest.encode() + b": File name too long" not in r.stderr:
            fail("%s under a name of 256 bytes: status %d\n%s" % (label, r.returncode, r.stderr.decode()))
        # A signal just before the rename.
        folder = os.path.join(work, "signal")
        for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            fresh(folder)
            place_old(folder, name)
            tool = subprocess.Popen([batch] + args + [os.path.join(folder, name)], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.PIPE, env={"BELTCALC_BATCH_PAUSE_BEFORE_RENAME": "60"})
            # The calculation's messages come first.
            said = b""
            while b"pausing before the rename" not in said and tool.poll() is None:
                said = tool.stderr.readline()
            if b"pausing before the rename" not in said:
                tool.kill()
                fail("%s: the tool did not pause: %r" % (label, said))
            if len(listing(folder)) != 2:
                tool.kill()
                fail("%s: no temporary file while paused: %s" % (label, listing(folder)))
            tool.send_signal(sig)
            status = tool.wait(timeout=30)
            if status != 128 + sig or listing(folder) != [name]:
                fail("%s stopped by %s: status %d, the folder holds %s" % (label, sig.name, status,
                                                                           listing(folder)))
            with open(os.path.join(folder, name), "rb") as f:
                if f.read() != OLD:
                    fail("%s stopped by %s: the old file changed" % (label, sig.name))
        print("ok: %s: the dangling link, 255 bytes and SIGINT, SIGTERM and SIGHUP before the rename" % label)


def main():
    batch, data, example, work, section = sys.argv[1:6]
    os.makedirs(work, exist_ok=True)
    if section == "failures":
        failures(batch, data, example, work)
    elif section == "mounted":
        small_file_systems(batch, data, example, work)
    elif section == "stdout":
        stdout_full(batch, data, example)
    elif section == "stopped":
        stopped(batch, data, example, work)
    elif section == "bytes":
        same_bytes(batch, data, work)
    elif section == "targets":
        targets(batch, data, example, work)
    else:
        fail("unknown section " + section)


if __name__ == "__main__":
    main()
