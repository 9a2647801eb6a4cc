#!/usr/bin/env python3
"""Keeps the build without the precompiled header (-DTAGORA_PCH=OFF) passing, at a small part of a
build's cost: compiles (syntax only, without the precompiled header) what changed since the last
commit this check passed in this build folder, else what the day of commits before HEAD changed:

  - every changed source file of the build;
  - every changed header, alone, with the flags of a source that includes it;
  - every source that includes a header whose change dropped an #include, its way to a name.

The precompiled header names a few headers (cmake/Tagora.cmake) that every file then sees: a file
that uses one without including it compiles here and fails without it. A file that did not change
keeps what it includes, so only a change can break it, the last one through a header it includes.

Usage: check_without_pch.py BUILD_DIR"""

import json
import os
import re
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor


def git(*args):
    done = subprocess.run(["git", *args], capture_output=True, text=True)
    return done.stdout.split("\n") if done.returncode == 0 else None


def base_commit(stamp):
    if os.path.exists(stamp):
        passed = open(stamp).read().strip()
        if passed and git("merge-base", "--is-ancestor", passed, "HEAD") is not None:
            return passed
    # Else (a fresh clone) what the day of commits before HEAD changed: a session's work, landed
    # in one merge or in many commits, judged by the commits' own dates, not this machine's clock.
    head = int(git("log", "-1", "--format=%ct", "HEAD")[0])
    day = [c for c in git("rev-list", "--first-parent", f"--since={head - 86400}", "HEAD") or [] if c]
    oldest = day[-1] if day else "HEAD"
    return oldest + "^1" if git("rev-parse", "--verify", "-q", oldest + "^1") is not None else None


def dependents(build):
    """Each header of the source tree: the objects whose sources include it, and their sources."""
    out = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True, check=True).stdout
    users, obj = {}, None
    for line in out.split("\n"):
        if line and not line.startswith(" "):
            obj = os.path.normpath(os.path.join(build, line.split(":")[0]))
        elif line.strip():
            users.setdefault(os.path.normpath(os.path.join(build, line.strip())), set()).add(obj)
    return users


def command(entry, header=None):
    """The entry's compiler call without the precompiled header, checking syntax only."""
    args, out, skip = shlex.split(entry["command"]), [], False
    for i, arg in enumerate(args):
        if skip:
            skip = False
        elif arg == "-o" or (arg == "-include" and args[i + 1].endswith("cmake_pch.hxx")):
            skip = True
        elif arg not in ("-c", "-Winvalid-pch", entry["file"]):
            out.append(arg)
    # A header alone: included into an empty file, where "#pragma once" is at home.
    return out + ["-fsyntax-only"] + (["-x", "c++", "-include", header, "/dev/null"] if header else [entry["file"]])


def main():
    build = os.path.abspath(sys.argv[1])
    top = git("rev-parse", "--show-toplevel")
    if top is None:
        print("not a git checkout: no change to check without the precompiled header")
        return 0
    root = top[0]
    stamp = os.path.join(build, "without-pch.passed")
    base = base_commit(stamp)
    entries = json.load(open(os.path.join(build, "compile_commands.json")))
    by_file = {os.path.normpath(e["file"]): e for e in entries}
    by_object = {os.path.normpath(os.path.join(e["directory"], re.search(r"-o (\S+)", e["command"]).group(1))): e
                 for e in entries}
    names = (git("diff", "--name-only", base) if base else git("ls-files")) or []
    names += git("ls-files", "--others", "--exclude-standard") or []
    changed = {os.path.join(root, n) for n in names if n}
    users = dependents(build)
    checks = {}   # what is compiled -> its command
    for path in sorted(changed):
        if path in by_file:
            checks[path] = command(by_file[path])
        elif path.endswith(".h") and os.path.exists(path) and users.get(path):
            sources = [by_object[o] for o in sorted(users[path]) if o in by_object]
            if sources:
                checks[path] = command(sources[0], path)
            dropped = base and any(line.startswith("-#include")
                                   for line in git("diff", base, "--", path) or [])
            for entry in sources if dropped else []:
                checks[os.path.normpath(entry["file"])] = command(entry)

    def run(item):
        path, args = item
        done = subprocess.run(args, cwd=build, capture_output=True, text=True)
        return path, done.returncode, done.stderr

    failed = 0
    with ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for path, status, errors in pool.map(run, sorted(checks.items())):
            if status != 0:
                failed += 1
                print(f"{os.path.relpath(path, root)} does not compile without the precompiled header:\n{errors}")
    print(f"{len(checks)} changed files since {base or 'the first commit'} checked without the precompiled header, "
          f"{failed} failed")
    if failed == 0 and not (git("status", "--porcelain") or [""])[0]:
        with open(stamp, "w") as f:
            f.write(git("rev-parse", "HEAD")[0] + "\n")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
