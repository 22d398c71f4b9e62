#!/usr/bin/env python3
"""Whole-process speed of tessarin5-cli encrypt and decrypt on large input, beside tr a-z A-Z on the same bytes.

Run by hand after a build:
    bench/cli/cli_speed.py [--cli build/bin/tessarin5-cli] [--megabytes 8] [--runs 9]

For every kind and direction the tool and tr run in turn, each reading the same file through a pipe and writing to
/dev/null. The table gives the medians of wall time and of processor time (user + system, from the kernel's
accounting of the finished child), and the median of the run-by-run ratios tool / tr, which holds up better than a
ratio of medians when the machine is shared.
"""

import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import threading
import time

# Each kind with the options that encrypt and decrypt take for it.
KINDS = [
    ("cipher", ["--seed", "1", "--show-key"], None),
    ("railfence", ["--rails", "3"], ["--rails", "3"]),
    ("playfair", ["--keyword", "CRYPTOGRAM"], ["--keyword", "CRYPTOGRAM"]),
    ("quagmire", ["--keyword", "SPRING", "--cipher-key", "FLOWER", "--indicator", "WINTER", "--column", "3"],
     ["--keyword", "SPRING", "--cipher-key", "FLOWER", "--indicator", "WINTER", "--column", "3"]),
    ("vigenere", ["--keyword", "LEMON"], ["--keyword", "LEMON"]),
]


def english_like_text(size):
    """size bytes of ASCII lines of words from the system word list (or made-up words where it is missing)."""
    rng = random.Random(5)
    try:
        with open("/usr/share/dict/words", encoding="utf-8", errors="ignore") as f:
            words = [w for w in f.read().split() if w.isascii() and w.isalpha() and len(w) < 12]
    except OSError:
        words = []
    if not words:
        words = ["".join(rng.choice("etaoinshrdlucmfwyp") for _ in range(rng.randint(2, 9))) for _ in range(5000)]
    lines, total = [], 0
    while total < size:
        line = " ".join(rng.choice(words) for _ in range(rng.randint(6, 14)))
        line = line[0].upper() + line[1:] + rng.choice(".,;!?") + "\n"
        lines.append(line)
        total += len(line)
    return "".join(lines)[:size].encode("ascii")


def run_once(command, input_path):
    """Runs command with input_path on a pipe to its standard input; returns (wall seconds, cpu seconds, status)."""
    with open(input_path, "rb") as source, open(os.devnull, "wb") as sink:
        read_end, write_end = os.pipe()
        start = time.perf_counter()
        child = subprocess.Popen(command, stdin=read_end, stdout=sink, stderr=subprocess.DEVNULL)
        os.close(read_end)

        def feed():
            with os.fdopen(write_end, "wb") as pipe:
                try:
                    while chunk := source.read(1 << 20):
                        pipe.write(chunk)
                except BrokenPipeError:
                    pass

        feeder = threading.Thread(target=feed)
        feeder.start()
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
        feeder.join()
        child.returncode = os.waitstatus_to_exitcode(status)
        return wall, usage.ru_utime + usage.ru_stime, child.returncode


def measure(tool, input_path, runs):
    """Runs the tool and tr in turn; returns the medians and the median pair ratios."""
    reference = ["tr", "a-z", "A-Z"]
    run_once(tool, input_path)
    run_once(reference, input_path)
    tool_wall, tool_cpu, tr_wall, tr_cpu, wall_ratio, cpu_ratio = [], [], [], [], [], []
    for _ in range(runs):
        wall, cpu, status = run_once(tool, input_path)
        if status != 0:
            sys.exit(f"{' '.join(tool)} failed with status {status}")
        reference_wall, reference_cpu, _ = run_once(reference, input_path)
        tool_wall.append(wall)
        tool_cpu.append(cpu)
        tr_wall.append(reference_wall)
        tr_cpu.append(reference_cpu)
        wall_ratio.append(wall / reference_wall)
        cpu_ratio.append(cpu / max(reference_cpu, 1e-3))
    m = statistics.median
    return m(tool_wall), m(tr_wall), m(wall_ratio), m(tool_cpu), m(tr_cpu), m(cpu_ratio)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.path.join(here, "..", "..", "build", "bin", "tessarin5-cli"))
    parser.add_argument("--megabytes", type=float, default=8)
    parser.add_argument("--runs", type=int, default=9)
    options = parser.parse_args()
    cli = os.path.abspath(options.cli)
    size = int(options.megabytes * 1024 * 1024)

    with tempfile.TemporaryDirectory() as work:
        plain = os.path.join(work, "plain.txt")
        with open(plain, "wb") as f:
            f.write(english_like_text(size))
        print(f"input: {options.megabytes:g} MB of ASCII text; {options.runs} runs each after one warm-up; "
              f"load average {' '.join(f'{x:.2f}' for x in os.getloadavg())}")
        header = (f"{'kind':<10} {'direction':<9} {'cli wall s':>10} {'tr wall s':>9} {'wall ratio':>10} "
                  f"{'cli cpu s':>9} {'tr cpu s':>8} {'cpu ratio':>9}")
        print(header)
        print("-" * len(header))
        for kind, encrypt_options, decrypt_options in KINDS:
            encrypt = [cli, "encrypt", kind, *encrypt_options]
            cipher = os.path.join(work, kind + ".txt")
            with open(plain, "rb") as source, open(cipher, "wb") as sink:
                subprocess.run(encrypt, stdin=source, stdout=sink, check=True)
            if decrypt_options is None:  # the substitution's alphabet is the first line of --show-key's output
                with open(cipher, "rb") as f:
                    alphabet = f.readline().decode().strip()
                    rest = f.read()
                with open(cipher, "wb") as f:
                    f.write(rest)
                decrypt_options = ["--alphabet", alphabet]
            decrypt = [cli, "decrypt", kind, *decrypt_options]
            for direction, command, source in (("encrypt", encrypt, plain), ("decrypt", decrypt, cipher)):
                row = measure(command, source, options.runs)
                print(f"{kind:<10} {direction:<9} {row[0]:>10.3f} {row[1]:>9.3f} {row[2]:>10.2f} "
                      f"{row[3]:>9.3f} {row[4]:>8.3f} {row[5]:>9.2f}", flush=True)
        print(f"load average at the end {' '.join(f'{x:.2f}' for x in os.getloadavg())}")


if __name__ == "__main__":
    main()
