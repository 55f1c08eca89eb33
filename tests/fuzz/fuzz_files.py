#!/usr/bin/env python3
"""Starts the game on generated settings files, as an attacker and a careless
user would leave them: mutated bytes, odd line ends, broken characters,
numbers that do not fit, files at the size limit, and a background and sounds
taken from crafted files. Fails on a crash, a sanitizer report, a start that
takes more than a few seconds of processor time or never ends, a setting
lost, or a file left that the next start would refuse.

Usage: fuzz_files.py --zarvel PROGRAM --helper FILES_FUZZ --module-dir DIR
                     [--starts N] [--seed S] [--jobs J] [--work DIR]
"""
import argparse
import concurrent.futures
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

LIMIT = 1024 * 1024          # what the game reads of a settings file
CPU_LIMIT_S = 5.0            # processor time a start may take
WALL_LIMIT_S = 60.0          # a start that has not ended by then hangs
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "UndefinedBehaviorSanitizer", "SUMMARY: ")

KEYS = ["ZarvelSound", "OneDieSound", "MultiDieSound", "MoveDieSound", "Passem1Sound",
        "Passem2Sound", "UndoSound", "GameOverSound", "DieColor", "TextColor", "PlayToScore",
        "BreakInScore", "SoundFXOFF", "ComputerFast", "SortDice", "MarkScorers", "Background"]
NUMBERS = ["0", "-1", "1", "5000", "10000", "500", "1000", "99999", "-32768", "-32769", "32767",
           "1e999", "-1e999", "nan", "&HFFFFFFFF", "&H", "2.5", " 7 ", "", "abc", "0x10", "1e-999",
           "9" * 400, "&HFFFF80", "16777088", "-0", "+3", "1d2"]


def lines_of(data):
    text = data.decode("utf-8", errors="replace")
    return re.split(r"\r\n|\r|\n", text)


def readable(data):
    """Whether the game's reader takes the bytes as a settings file."""
    if len(data) > LIMIT:
        return False
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        return False
    return not any(ord(c) < 0x20 and c not in "\t\r\n" for c in text)


def is_background(line):
    return "=" in line and line.split("=", 1)[0].strip().lower() == "background"


def kept(before, after):
    """Every line of before, but Background, is in after in its order."""
    a = [l for l in lines_of(before) if l.strip() and not is_background(l)]
    b = [l for l in lines_of(after) if l.strip() and not is_background(l)]
    return b == a or b == a + ["[Info]"]


def generate(rng, crafted_pictures, crafted_sounds):
    """One settings file's bytes."""
    values = {
        "Background": rng.choice(crafted_pictures + ["(None)", "", "relative.jpg", "/tmp/2xuvsk9.jpg"]),
        "TextColor": rng.choice(NUMBERS), "DieColor": rng.choice(NUMBERS),
    }
    for key in KEYS:
        if key.endswith("Sound"):
            values[key] = rng.choice(crafted_sounds + ["", "/nowhere.wav", "/tmp/bust.wav"])
        values.setdefault(key, rng.choice(NUMBERS))
    keys = rng.sample(KEYS, rng.randint(0, len(KEYS)))
    end = rng.choice(["\n", "\r\n", "\r"])
    out = [rng.choice(["[Info]", "[info]", "[ Info ]", "[Other]", "", "; comment"])]
    for key in keys:
        name = key if rng.random() < 0.8 else key.lower()
        out.append(f"{name}={values[key]}" if rng.random() < 0.9 else f"{name} = {values[key]} ")
    if rng.random() < 0.2:
        out += ["[Other]", "PlayToScore=1", "[Info]", "SortDice=-1"]
    text = end.join(out) + (end if rng.random() < 0.7 else "")
    data = text.encode("utf-8", errors="surrogateescape")
    if rng.random() < 0.1:
        data = b"\xef\xbb\xbf" + data
    kind = rng.random()
    if kind < 0.35:  # bytes changed anywhere
        data = bytearray(data)
        for _ in range(rng.randint(1, 6)):
            if not data:
                break
            at = rng.randrange(len(data))
            op = rng.randrange(4)
            if op == 0:
                data[at] = rng.randrange(256)
            elif op == 1:
                del data[at:at + rng.randint(1, 8)]
            elif op == 2:
                data[at:at] = bytes(rng.randrange(256) for _ in range(rng.randint(1, 8)))
            else:
                data = data[:at]  # cut, maybe inside a character
        data = bytes(data)
    elif kind < 0.40:  # just under the limit, with a key to be added
        pad = b"; " + b"x" * (LIMIT - len(data) - rng.randint(4, 80)) + b"\n"
        data = data.replace(b"Background=", b"Xackground=") + pad
    elif kind < 0.42:  # just over it
        data += b"; " + b"x" * (LIMIT - len(data)) + b"\n"
    elif kind < 0.47:  # a character cut off at the very end
        data += "zoë".encode()[:-1]
    return data


def start(args, index, data, work):
    """Starts the game once on the settings bytes; returns a failure or None."""
    root = tempfile.mkdtemp(prefix=f"start{index}-", dir=work)
    config, temp, run = (os.path.join(root, d) for d in ("config", "tmp", "run"))
    for d in (config, temp, run):
        os.makedirs(d)
    os.chmod(run, 0o700)
    path = os.path.join(config, "OxlZarvel2.ini")
    with open(path, "wb") as f:
        f.write(data)
    env = dict(os.environ, XDG_CONFIG_HOME=config, TMPDIR=temp, XDG_RUNTIME_DIR=run,
               XDG_DATA_HOME=os.path.join(root, "data"), HOME=root, QT_QPA_PLATFORM="offscreen")
    log = os.path.join(root, "output.txt")
    t0 = time.monotonic()
    with open(log, "wb") as out:
        proc = subprocess.Popen([args.zarvel, "--measure-startup"], env=env, stdout=out, stderr=subprocess.STDOUT)
        hung = threading.Timer(WALL_LIMIT_S, proc.kill)
        hung.start()
        # This child's own processor time, whatever the other workers do.
        _, status, usage = os.wait4(proc.pid, 0)
        hung.cancel()
        proc.returncode = os.waitstatus_to_exitcode(status)
    wall = time.monotonic() - t0
    cpu = usage.ru_utime + usage.ru_stime
    with open(log, "rb") as f:
        output = f.read().decode("utf-8", errors="replace")
    if wall >= WALL_LIMIT_S:
        return f"start {index}: still running after {WALL_LIMIT_S:.0f} s"
    problems = []
    if proc.returncode != 0:
        problems.append(f"exit status {proc.returncode}")
    if any(mark in output for mark in SANITIZER_MARKS):
        problems.append("sanitizer report")
    if "first window shown" not in output:
        problems.append("no window shown")
    # Processor time, not wall time: a busy machine slows a start down
    # without making it use more of the processor.
    if cpu > CPU_LIMIT_S:
        problems.append(f"{cpu:.1f} s of processor time")
    with open(path, "rb") as f:
        now = f.read()
    backups = [os.path.join(config, n) for n in os.listdir(config) if ".bad" in n]
    kept_aside = any(open(b, "rb").read() == data for b in backups)
    if len(now) > LIMIT:
        problems.append(f"left a file of {len(now)} bytes, which the next start refuses")
    if readable(data) and not kept(data, now) and not kept_aside:
        problems.append("a setting was lost")
    if not readable(data) and now != data and not kept_aside:
        problems.append("an unreadable file was replaced without being kept aside")
    if problems:
        keep = os.path.join(work, f"failed-{index}.ini")
        with open(keep, "wb") as f:
            f.write(data)
        return f"start {index} ({wall:.1f} s): {', '.join(problems)}; settings kept as {keep}\n{output[-3000:]}"
    shutil.rmtree(root, ignore_errors=True)
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zarvel", required=True)
    parser.add_argument("--helper", required=True)
    parser.add_argument("--module-dir", required=True)
    parser.add_argument("--starts", type=int, default=400)
    parser.add_argument("--seed", type=int, default=21)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--work")
    args = parser.parse_args()
    work = args.work or tempfile.mkdtemp(prefix="zarvel-fuzz-")
    os.makedirs(work, exist_ok=True)
    os.environ.setdefault("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=0")
    os.environ.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")

    t0 = time.monotonic()
    crafted = os.path.join(work, "crafted")
    helper = subprocess.run([args.helper, crafted, str(args.seed), "150", args.module_dir],
                            capture_output=True, timeout=600)
    output = (helper.stdout + helper.stderr).decode("utf-8", errors="replace")
    print(output.strip())
    if helper.returncode != 0 or any(mark in output for mark in SANITIZER_MARKS):
        print(f"crafted files: the loaders failed (exit status {helper.returncode})")
        return 1
    pictures = sorted(os.path.join(crafted, "pictures", n) for n in os.listdir(os.path.join(crafted, "pictures")))
    sounds = sorted(os.path.join(crafted, "sounds", n) for n in os.listdir(os.path.join(crafted, "sounds")))

    rng = random.Random(args.seed)
    files = [generate(rng, pictures, sounds) for _ in range(args.starts)]
    failures = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for failure in pool.map(lambda item: start(args, item[0], item[1], work), enumerate(files)):
            if failure:
                failures.append(failure)
                print(failure, flush=True)
    took = time.monotonic() - t0
    print(f"{args.starts} starts on generated settings files in {took:.0f} s")
    print(f"{args.starts - len(failures)} passed, {len(failures)} failed")
    if not failures and not args.work:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
