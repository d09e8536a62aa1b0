#!/usr/bin/env python3
"""Runs the tests of debian/tests/control on the installed package, as autopkgtest's null runner
would, where autopkgtest itself is not installed: each stanza's Depends installed with apt, each
test run from the source tree with AUTOPKGTEST_TMP and AUTOPKGTEST_ARTIFACTS, as root only with
needs-root (else as the account "tester"), with the network only with needs-internet, failing on
standard error without allow-stderr. Runs as root, in a private root only.

Usage: run-package-tests.py [--install-depends] SOURCE_TREE
"""
import os
import re
import subprocess
import sys
import tempfile

# What this runner honours; a test that asks for anything else fails rather than pass unseen.
KNOWN_RESTRICTIONS = {"needs-root", "allow-stderr", "needs-internet", "breaks-testbed",
                      "isolation-container", "skippable", "superficial", "rw-build-tree"}
SKIPPED = 77


def stanzas(path):
    """deb822 paragraphs as dicts of lower-case field names, continuation lines joined."""
    paragraphs, fields, name = [], {}, None
    with open(path, encoding="utf-8") as control:
        for line in control.read().splitlines() + [""]:
            if line.startswith("#"):
                continue
            if not line.strip():
                if fields:
                    paragraphs.append(fields)
                fields, name = {}, None
            elif line[0] in " \t" and name:
                fields[name] += " " + line.strip()
            else:
                name, _, value = line.partition(":")
                name = name.strip().lower()
                fields[name] = value.strip()
    return paragraphs


def words(value):
    return [w for w in re.split(r"[\s,]+", value or "") if w]


def depends(stanza, source):
    """The stanza's packages; @ is every binary package that the source builds."""
    control = stanzas(os.path.join(source, "debian", "control"))
    binaries = [p["package"] for p in control if "package" in p]
    build_depends = control[0].get("build-depends", "")
    names = []
    for item in (stanza.get("depends") or "@").split(","):
        item = item.strip()
        if item == "@":
            names += binaries
        elif item == "@builddeps@":
            names += [re.split(r"[\s(|\[<]", d.strip())[0] for d in build_depends.split(",")
                      if d.strip()] + ["build-essential"]
        elif item:
            # The first of alternatives, without the version: apt picks what the archive has.
            names.append(re.split(r"[\s(|\[<]", item)[0])
    return [n.replace("debhelper-compat", "debhelper") for n in names]


def install(names):
    subprocess.run(["apt-get", "install", "-y", "-q", "--no-install-recommends"] + names,
                   check=True, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def run(stanza, source):
    """Runs every test of the stanza; returns the names of those that failed."""
    restrictions = set(words(stanza.get("restrictions")))
    tests_dir = stanza.get("tests-directory", "debian/tests")
    if "test-command" in stanza:
        tests = [("command", ["sh", "-ec", stanza["test-command"]])]
    else:
        tests = [(name, [os.path.join(source, tests_dir, name)])
                 for name in words(stanza.get("tests"))]
    failed = []
    for name, command in tests:
        unknown = restrictions - KNOWN_RESTRICTIONS
        if unknown:
            print("%s FAIL restrictions this runner does not know: %s" % (name, " ".join(unknown)))
            failed.append(name)
            continue
        with tempfile.TemporaryDirectory() as tmp:
            artifacts = os.path.join(tmp, "artifacts")
            work = os.path.join(tmp, "tmp")
            os.makedirs(artifacts)
            os.makedirs(work)
            env = {"PATH": "/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin", "LANG": "C.UTF-8",
                   "AUTOPKGTEST_TMP": work, "AUTOPKGTEST_ARTIFACTS": artifacts,
                   "HOME": "/root"}
            if "needs-root" not in restrictions:
                subprocess.run(["chown", "-R", "tester:", tmp], check=True)
                env["HOME"] = os.path.expanduser("~tester")
                command = ["setpriv", "--reuid=tester", "--regid=tester", "--init-groups",
                           "--"] + command
            if "needs-internet" not in restrictions:
                command = ["unshare", "--net", "--"] + command
            print("--- %s" % name, flush=True)
            result = subprocess.run(command, cwd=source, env=env, stderr=subprocess.PIPE)
            stderr = result.stderr.decode(errors="replace")
            sys.stdout.write(stderr)
            if result.returncode == SKIPPED and "skippable" in restrictions:
                print("%s SKIP" % name)
            elif result.returncode != 0:
                print("%s FAIL status %d" % (name, result.returncode))
                failed.append(name)
            elif stderr and "allow-stderr" not in restrictions:
                print("%s FAIL stderr" % name)
                failed.append(name)
            else:
                print("%s PASS" % name)
    return failed


def main():
    install_only = sys.argv[1:2] == ["--install-depends"]
    source = os.path.abspath(sys.argv[-1])
    tests = stanzas(os.path.join(source, "debian", "tests", "control"))
    if install_only:
        # The package itself is not built yet: only what the tests need beside it.
        control = stanzas(os.path.join(source, "debian", "control"))
        ours = {p["package"] for p in control if "package" in p}
        names = sorted({n for s in tests for n in depends(s, source)} - ours)
        install(names)
        return 0
    failed = []
    for stanza in tests:
        install(depends(stanza, source))
        failed += run(stanza, source)
    print("package tests failed: %s" % " ".join(failed) if failed else "package tests passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
