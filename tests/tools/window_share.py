#!/usr/bin/env python3
"""How many of the test cases ctest runs build the main window, per test binary and in total.

Runs every test binary of a build whole, with TAGORA_WINDOW_TEST_REPORT set, so that each writes
one line per test case (its name and 1 if it built a main window, else 0); the tests ctest runs that
are not test binaries' cases (scripts) count as cases that build no window.

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
    """The test binary's case a ctest test runs (its filter names it: ctest's own name may differ,
    e.g. a value-parameterised case named by its value), or None for a test that is no binary's case."""
    for arg in command[1:]:
        if arg.startswith("--gtest_filter="):
            return arg[len("--gtest_filter="):]
    return None


def run_binary(binary, environment, report_dir):
    report = os.path.join(report_dir, os.path.basename(binary) + ".report")
    env = dict(os.environ)
    for assignment in environment:
        key, _, value = assignment.partition("=")
        env[key] = value
    env["TAGORA_WINDOW_TEST_REPORT"] = report
    result = subprocess.run([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    built = {}
    if os.path.exists(report):
        with open(report, encoding="utf-8") as f:
            for line in f:
                name, _, flag = line.rstrip("\n").rpartition("\t")
                built[name] = flag == "1"
    return result.returncode, built


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("-j", "--jobs", type=int, default=3)
    parser.add_argument("--list", action="store_true", help="also list the cases that build the main window")
    args = parser.parse_args()

    # The cases ctest runs, by binary.
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

    failed = []
    rows = []
    listed = []
    with tempfile.TemporaryDirectory() as report_dir, ThreadPoolExecutor(args.jobs) as pool:
        runs = {b: pool.submit(run_binary, b, environments[b], report_dir) for b in sorted(cases)}
        for binary, run in runs.items():
            code, built = run.result()
            names = cases[binary]
            missing = names - built.keys()
            if code != 0 or missing:
                failed.append(f"{os.path.relpath(binary, args.build)}: exit code {code}, {len(missing)} case(s) not reported")
            windows = sum(1 for n in names if built.get(n))
            if args.list:
                listed.extend(f"{os.path.relpath(binary, args.build)} {n}" for n in sorted(names) if built.get(n))
            rows.append((os.path.relpath(binary, args.build), windows, len(names)))
    if scripts:
        rows.append(("(scripts: " + ", ".join(scripts) + ")", 0, len(scripts)))

    def line(windows, total):
        share = 100.0 * windows / total if total else 0.0
        return f"{windows} of {total} test cases build the main window ({share:.1f} %)"

    for case in listed:
        print(case)
    width = max(len(r[0]) for r in rows)
    for name, windows, total in rows:
        print(f"{name:<{width}}  {line(windows, total)}")
    print(f"{'total':<{width}}  {line(sum(r[1] for r in rows), sum(r[2] for r in rows))}")
    sys.stdout.flush()
    for f in failed:
        print("warning: " + f, file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
