#!/usr/bin/env python3
"""How many of the test cases ctest runs build the main window, per test binary and in total.

Runs every test binary of a build whole with TAGORA_WINDOW_TEST_REPORT set, so that each writes one
line per test case: its name, whether it built a main window (the window controller, with its
subsystems' controllers), whether it loaded that window's widgets too, and whether it was skipped.
Skipped cases (a mode the edition lacks) test nothing and are left out of the figures; the tests
ctest runs that are not a binary's cases (scripts) count as cases that build no window. Exits
non-zero when a binary fails or leaves a case ctest runs unreported.

    tests/tools/window_share.py [build folder] [-j jobs] [--list]
"""

import argparse
import collections
import json
import os
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor


def ctest_tests(build):
    """(name, command, environment) of every test ctest runs."""
    listing = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"], check=True,
                             capture_output=True, text=True).stdout
    tests = []
    for test in json.loads(listing)["tests"]:
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        if props.get("DISABLED"):
            continue
        tests.append((test["name"], test.get("command", []), props.get("ENVIRONMENT", [])))
    return tests


def gtest_case(command):
    """The binary's case a ctest test runs, as its filter names it (ctest's own name may differ,
    e.g. a value-parameterised case named by its value); None for a test that is no binary's case."""
    for arg in command[1:]:
        if arg.startswith("--gtest_filter="):
            return arg[len("--gtest_filter="):]
    return None


def run_binary(binary, environment, report_dir):
    """The binary's exit code and, per reported case, (built a main window, loaded its widgets,
    skipped)."""
    report = os.path.join(report_dir, os.path.basename(binary) + ".report")
    env = dict(os.environ)
    for assignment in environment:
        key, _, value = assignment.partition("=")
        env[key] = value
    env["TAGORA_WINDOW_TEST_REPORT"] = report
    result = subprocess.run([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    cases = {}
    if os.path.exists(report):
        with open(report, encoding="utf-8") as f:
            for line in f:
                name, built, loaded, skipped = line.rstrip("\n").rsplit("\t", 3)
                cases[name] = (built == "1", loaded == "1", skipped == "1")
    return result.returncode, cases


def share(windows, total):
    return f"{100.0 * windows / total if total else 0.0:.1f} %"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("-j", "--jobs", type=int, default=3)
    parser.add_argument("--list", action="store_true", help="also list the cases that build the main window")
    args = parser.parse_args()

    cases = collections.defaultdict(set)
    environments = {}
    scripts = []
    for name, command, environment in ctest_tests(args.build):
        case = gtest_case(command)
        if case:
            cases[command[0]].add(case)
            environments[command[0]] = environment
        else:
            scripts.append(name)

    rows, listed, failed = [], [], []
    with tempfile.TemporaryDirectory() as report_dir, ThreadPoolExecutor(args.jobs) as pool:
        runs = {b: pool.submit(run_binary, b, environments[b], report_dir) for b in sorted(cases)}
        for binary, run in runs.items():
            code, reported = run.result()
            name = os.path.relpath(binary, args.build)
            names = cases[binary]
            missing = names - reported.keys()
            if code != 0 or missing:
                failed.append(f"{name}: exit code {code}, {len(missing)} case(s) not reported")
            ran = [reported.get(n, (False, False, False)) for n in sorted(names)]
            skipped = sum(1 for r in ran if r[2])
            built = [n for n, r in zip(sorted(names), ran) if r[0] and not r[2]]
            loaded = sum(1 for r in ran if r[1] and not r[2])
            rows.append((name, len(built), loaded, len(names) - skipped, skipped))
            listed.extend(f"{name} {n}" for n in built)
    if scripts:
        rows.append((f"(scripts: {', '.join(scripts)})", 0, 0, len(scripts), 0))
    rows.append(("total", *(sum(r[i] for r in rows) for i in range(1, 5))))

    if args.list:
        print("\n".join(listed))
    width = max(len(r[0]) for r in rows)
    for name, built, loaded, total, skipped in rows:
        print(f"{name:<{width}}  {built} of {total} test cases build the main window ({share(built, total)});"
              f" {loaded} load its widgets ({share(loaded, total)})" + (f"; {skipped} skipped" if skipped else ""))
    sys.stdout.flush()
    for f in failed:
        print("warning: " + f, file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
