#!/usr/bin/python3
"""Plants single-line faults in the program and counts how many the test suite catches.

Each fault is one change to one line of the program's own code (not the tests): a flipped
comparison, an integer constant changed by one, or a dropped call. Each folder of the program gets
a share of the faults in proportion to its lines, and within it files by their size. Every run
draws a new seed and prints it, so each run judges the suite on a fresh sample; --seed repeats a
sample (to compare two trees, or a change to the tests, on the same faults). Every fault is built and run against the whole suite in a worktree of HEAD of
its own (the working tree is never touched); a fault that does not compile is not counted.

    scripts/plant-faults.py [--count 60] [--seed S] [--from REV] [--workers W] [--jobs N] [--list]

--from chooses the faults from the program as it was at REV (a commit before a change to the tests
and the program), so a later tree is tried with the same faults: each is planted on the same line,
found by its text near where it stood; a line that has gone is not counted. --list only prints the
faults it would plant. --workers runs W worktrees side by side, each with
its own build, stand-ins and a share of the faults (the suite spends much of its time waiting). The run ends with one line:
    planted N, compiled M, caught K (P %)
followed by the faults that survived (file:line, the change), to be read by hand: some change
nothing a user could see.
It never runs in CI; a run takes about a minute a fault.
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ("app", "widgets", "platform", "collect", "mainwindow", "tools", "net", "accounts")

COMPARISONS = [(" == ", " != "), (" != ", " == "), (" < ", " >= "), (" > ", " <= "),
               (" <= ", " > "), (" >= ", " < ")]
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
CALL = re.compile(r"^\s*(?!return\b|delete\b|case\b|if\b|while\b|for\b|switch\b)"
                  r"[A-Za-z_][\w:.>\-]*\s*\(.*\)\s*;\s*$")


def git(*args):
    return subprocess.run(["git"] + list(args), cwd=ROOT, check=True, capture_output=True,
                          text=True).stdout


def program_files(rev, suffixes=(".cpp",)):
    if rev:
        names = git("ls-tree", "-r", "--name-only", rev, "--", *FOLDERS).split()
    else:
        names = git("ls-files", "--", *FOLDERS).split()
    return [f for f in names if f.endswith(suffixes) and "/fakes/" not in f]


def read_lines(path, rev):
    if rev:
        return git("show", "%s:%s" % (rev, path)).splitlines(keepends=True)
    return open(os.path.join(ROOT, path), encoding="utf-8").readlines()


def locate(lines, index, old):
    """The line of the tree that holds `old`, nearest to where it stood; None when it is gone."""
    for distance in range(0, len(lines)):
        for at in (index - distance, index + distance):
            if 0 <= at < len(lines) and lines[at] == old:
                return at
    return None


def outside_strings(line, start):
    """True when position start is code: not inside a string or after a comment."""
    before = line[:start]
    return before.count('"') % 2 == 0 and "//" not in before


def candidates(line):
    """Every (description, new line) fault this line allows."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("#", "//", "*", "/*")):
        return []
    found = []
    for old, new in COMPARISONS:
        pos = line.find(old)
        if pos >= 0 and outside_strings(line, pos) and "template" not in line:
            found.append(("flip '%s'" % old.strip(), line[:pos] + new + line[pos + len(old):]))
    for match in INTEGER.finditer(line):
        if outside_strings(line, match.start()):
            value = int(match.group(1))
            found.append(("constant %d -> %d" % (value, value + 1),
                          line[:match.start()] + str(value + 1) + line[match.end():]))
    if CALL.match(line) and "=" not in line.split("(")[0]:
        indent = line[:len(line) - len(line.lstrip())]
        found.append(("drop call", indent + ";\n"))
    return found


def folder_quotas(count, rev):
    """How many of the faults each folder gets: its share of the program's lines (largest
    remainder, so the quotas add up to count)."""
    lines = {folder: 0 for folder in FOLDERS}
    for path in program_files(rev, (".cpp", ".h")):
        lines[path.split("/")[0]] += len(read_lines(path, rev))
    total = sum(lines.values())
    exact = {folder: count * lines[folder] / total for folder in FOLDERS}
    quotas = {folder: int(exact[folder]) for folder in FOLDERS}
    by_remainder = sorted(FOLDERS, key=lambda f: exact[f] - quotas[f], reverse=True)
    for folder in by_remainder[:count - sum(quotas.values())]:
        quotas[folder] += 1
    return quotas


def choose_faults(count, seed, rev=None):
    rng = random.Random(seed)
    files = program_files(rev)
    texts = {f: read_lines(f, rev) for f in files}
    faults, seen = [], set()
    for folder, quota in folder_quotas(count, rev).items():
        mine = [f for f in files if f.split("/")[0] == folder]
        weights = [len(texts[f]) for f in mine]
        chosen = attempts = 0
        while mine and chosen < quota and attempts < quota * 200:
            attempts += 1
            path = rng.choices(mine, weights=weights)[0]
            lines = texts[path]
            index = rng.randrange(len(lines))
            options = candidates(lines[index])
            if not options or (path, index) in seen:
                continue
            seen.add((path, index))
            what, new = rng.choice(options)
            faults.append((path, index, what, lines[index], new))
            chosen += 1
    return faults


def run(cmd, cwd, timeout, env=None):
    try:
        return subprocess.run(cmd, cwd=cwd, env=env, timeout=timeout,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        return -1


def summary(planted, compiled, caught, survivors):
    share = 100.0 * caught / compiled if compiled else 0.0
    print("planted %d, compiled %d, caught %d (%.0f %%)" % (planted, compiled, caught, share))
    for survivor in survivors:
        print("survived: " + survivor)


def run_workers(opts):
    """Runs the shards side by side and adds up their results."""
    jobs = max(1, opts.jobs // opts.workers)
    procs = [subprocess.Popen([sys.executable, os.path.abspath(__file__), "--count",
                               str(opts.count), "--seed", str(opts.seed), "--jobs", str(jobs),
                               "--shard", "%d/%d" % (k, opts.workers)]
                              + (["--from", opts.rev] if opts.rev else []),
                              stdout=subprocess.PIPE, text=True)
             for k in range(opts.workers)]
    planted = compiled = caught = failed = 0
    survivors = []
    for proc in procs:
        for line in proc.stdout:
            match = re.match(r"planted (\d+), compiled (\d+), caught (\d+)", line)
            if match:
                planted += int(match.group(1))
                compiled += int(match.group(2))
                caught += int(match.group(3))
            elif line.startswith("survived: "):
                survivors.append(line[len("survived: "):].rstrip())
            else:
                print(line, end="", flush=True)
        if proc.wait() != 0:
            failed += 1
    summary(planted, compiled, caught, survivors)
    if failed:
        # The other workers' figures still stand; the failed one's faults were not counted.
        print("%d worker(s) failed; their faults are not counted" % failed, file=sys.stderr)
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--seed", type=int, default=None,
                        help="repeat the sample of an earlier run (default: a new seed)")
    parser.add_argument("--from", dest="rev", default=None)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--workers", type=int, default=1)
    parser.add_argument("--shard", default=None, help=argparse.SUPPRESS)
    parser.add_argument("--list", action="store_true")
    opts = parser.parse_args()
    opts.workers = max(1, min(opts.workers, opts.count))
    if opts.seed is None:
        opts.seed = random.SystemRandom().randrange(1, 1000000)
    if opts.shard is None:
        # The seed is the only way to plant this sample again.
        print("seed %d" % opts.seed, flush=True)

    faults = choose_faults(opts.count, opts.seed, opts.rev)
    if opts.workers > 1 and not opts.list:
        return run_workers(opts)
    shard, shards = (int(v) for v in (opts.shard or "0/1").split("/"))
    numbered = [(n, f) for n, f in enumerate(faults, 1) if (n - 1) % shards == shard]
    if opts.list:
        for path, index, what, old, new in faults:
            print("%s:%d %s\n  - %s\n  + %s" % (path, index + 1, what, old.strip(), new.strip()))
        return 0

    # ccache then finds the objects of any other checkout: paths are taken relative to the build.
    os.environ.setdefault("CCACHE_BASEDIR", "/")
    os.environ.setdefault("CCACHE_NOHASHDIR", "1")
    work = tempfile.mkdtemp(prefix="vn-faults-")
    tree = os.path.join(work, "tree")
    build = os.path.join(tree, "build")
    servers = os.path.join(work, "servers")
    subprocess.run(["git", "worktree", "add", "--detach", tree, "HEAD"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    env = dict(os.environ, VN_SERVERS_DIR=servers)
    try:
        subprocess.run(["cmake", "-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                        "-DVN_BUILD_TESTS=ON"], check=True, stdout=subprocess.DEVNULL)
        if run(["cmake", "--build", build, "-j", str(opts.jobs)], tree, 3600) != 0:
            print("the unchanged tree does not build", file=sys.stderr)
            return 1
        # Several workers set up their stand-ins at the same moment; one failed start is retried.
        start = os.path.join(tree, "scripts/services/start.sh")
        if subprocess.run([start], env=env).returncode != 0:
            subprocess.run([os.path.join(tree, "scripts/services/stop.sh")], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            shutil.rmtree(servers, ignore_errors=True)
            subprocess.run([start], env=env, check=True)
        for line in open(os.path.join(servers, "env"), encoding="utf-8"):
            key, _, value = line.strip().partition("=")
            if key:
                env[key] = value
        ctest = ["ctest", "-j", str(opts.jobs), "--timeout", "180", "-E", "^run_sh$"]
        if run(ctest, build, 1800, env) != 0:
            print("the unchanged tree fails its tests", file=sys.stderr)
            return 1
        compiled = caught = 0
        survivors = []
        for number, (path, index, what, old, new) in numbered:
            file_name = os.path.join(tree, path)
            lines = open(file_name, encoding="utf-8").readlines() if os.path.exists(file_name) else []
            found = locate(lines, index, old)
            if found is None:
                print("%2d/%d %s:%d %s: line gone, not counted" % (number, len(faults), path,
                                                                  index + 1, what), flush=True)
                continue
            index = found
            lines[index] = new
            open(file_name, "w", encoding="utf-8").writelines(lines)
            if run(["cmake", "--build", build, "-j", str(opts.jobs)], tree, 1800) != 0:
                result = "does not compile"
            else:
                compiled += 1
                if run(ctest, build, 1800, env) != 0:
                    caught += 1
                    result = "caught"
                else:
                    result = "SURVIVED"
                    survivors.append("%s:%d %s: %s  ->  %s" % (path, index + 1, what,
                                                              old.strip(), new.strip()))
            lines[index] = old
            open(file_name, "w", encoding="utf-8").writelines(lines)
            print("%2d/%d %s:%d %s: %s" % (number, len(faults), path, index + 1, what, result),
                  flush=True)
        summary(len(numbered), compiled, caught, survivors)
    finally:
        subprocess.run([os.path.join(tree, "scripts/services/stop.sh")], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["git", "worktree", "remove", "--force", tree], cwd=ROOT,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
