#!/usr/bin/env python3
"""Creates a seeded, realistic-looking tree of empty files for the walk benchmarks.

    gen_tree.py OUTDIR [--files 200000] [--folders 20000] [--seed 1] [--max-depth 8]

The same seed and sizes always give the same tree. The tree has folders at depths 1 to max-depth
(shallow ones are more common), a skewed number of files per folder (most hold a few, some hold
hundreds), names made of common words, dates and numbers with the usual extensions, some names
with an upper-case "TXT" in them, and a few hidden files and hidden folders (names starting with
"."), whose contents count towards the totals. OUTDIR must be absent or empty.

With --contents the files get real, seeded contents for the duplicate finders instead (and no
name starts with "."): true duplicates of several sizes up to 64 MB, pairs of equal size that
differ only in the first, the last or a middle byte, many small files of equal size and different
contents, small duplicates, hard links, and files of sizes that occur once. No file is empty.
"""

import argparse
import math
import os
import random
import sys

WORDS = (
    "report notes draft final budget invoice photo scan backup config readme todo summary letter "
    "project meeting minutes plan design test data export import archive log holiday family "
    "camera screenshot render model texture sound track album chapter thesis paper slides chart "
    "table index main util helper widget engine parser lexer server client cache index temp build "
    "release debug assets images docs source include vendor module package setup install"
).split()

FOLDER_WORDS = (
    "Documents Pictures Music Videos Projects src include lib tests docs assets images photos "
    "2019 2020 2021 2022 2023 2024 archive backup old new misc work personal clients invoices "
    "reports drafts build out release debug resources data config scripts tools vendor third_party "
    "Camera Screenshots Downloads Desktop Exports Imports Notes Papers Slides Music Albums"
).split()

# (extension, weight)
EXTENSIONS = (
    (".txt", 14), (".doc", 6), (".docx", 6), (".pdf", 8), (".jpg", 16), (".jpeg", 3), (".png", 8),
    (".cpp", 7), (".h", 6), (".c", 3), (".py", 4), (".md", 3), (".json", 3), (".xml", 2),
    (".csv", 3), (".log", 3), (".mp3", 4), (".mp4", 2), (".zip", 2), (".TXT", 1), (".JPG", 2),
    ("", 2),
)

HIDDEN_FOLDERS = (".git", ".cache", ".config", ".thumbnails", ".vscode", ".idea", ".local", ".Trash-1000")
HIDDEN_FILES = (".DS_Store", ".gitignore", ".directory", ".hidden", ".bash_history", ".editorconfig")


def weighted_extension(rng, ext_values, ext_cum):
    return rng.choices(ext_values, cum_weights=ext_cum)[0]


def file_name(rng, ext_values, ext_cum):
    roll = rng.random()
    if roll < 0.01:
        return rng.choice(HIDDEN_FILES) + ("" if rng.random() < 0.5 else "_%d" % rng.randrange(100))
    ext = weighted_extension(rng, ext_values, ext_cum)
    if roll < 0.03:
        stem = rng.choice(("TXT_export", "notes_TXT", "READ_ME_TXT", "TXT-dump", "oldTXTfiles"))
    elif roll < 0.25:
        stem = "IMG_%04d" % rng.randrange(10000)
    elif roll < 0.40:
        stem = "%s_%04d-%02d-%02d" % (rng.choice(WORDS), rng.randrange(2000, 2025), rng.randrange(1, 13),
                                      rng.randrange(1, 29))
    elif roll < 0.70:
        stem = rng.choice(WORDS)
        if rng.random() < 0.5:
            stem += rng.choice(("_", "-", " ", "")) + rng.choice(WORDS)
        if rng.random() < 0.4:
            stem += " (%d)" % rng.randrange(1, 9) if rng.random() < 0.3 else "_v%d" % rng.randrange(1, 20)
    else:
        stem = rng.choice(WORDS).capitalize() + rng.choice(WORDS).capitalize() + str(rng.randrange(1000))
    return stem + ext


def folder_name(rng):
    roll = rng.random()
    if roll < 0.02:
        return rng.choice(HIDDEN_FOLDERS)
    if roll < 0.60:
        return rng.choice(FOLDER_WORDS)
    if roll < 0.85:
        return rng.choice(FOLDER_WORDS) + rng.choice(("_", "-", " ")) + rng.choice(WORDS)
    return "%s %d" % (rng.choice(FOLDER_WORDS), rng.randrange(1, 500))


def unique(name, taken):
    """The name, or the name with a counter before its extension, not yet used in its folder."""
    if name not in taken:
        taken.add(name)
        return name
    stem, ext = os.path.splitext(name)
    counter = 2
    while "%s_%d%s" % (stem, counter, ext) in taken:
        counter += 1
    name = "%s_%d%s" % (stem, counter, ext)
    taken.add(name)
    return name


def plan(files, folders, seed, max_depth):
    """The tree as (relative folder paths, relative file paths), both in creation order."""
    rng = random.Random(seed)
    paths = [""]
    depths = [0]
    names = [set()]  # names taken in each folder, files and folders alike
    at_depth = [[0]] + [[] for _ in range(max_depth)]
    # How often a new folder goes at each depth: a handful at the top, most in the middle and a
    # thin tail down to max_depth.
    peak = max(2, round(max_depth * 0.55))
    depth_weights = [0.0] + [0.002 if d == 1 else math.exp(-((d - peak) ** 2) / 5.0)
                             for d in range(1, max_depth + 1)]
    for _ in range(folders):
        depth = rng.choices(range(max_depth + 1), weights=depth_weights)[0]
        while not at_depth[depth - 1]:
            depth -= 1
        parent = rng.choice(at_depth[depth - 1])
        name = unique(folder_name(rng), names[parent])
        paths.append(os.path.join(paths[parent], name))
        depths.append(depth)
        names.append(set())
        at_depth[depth].append(len(paths) - 1)

    # Files per folder: a heavy-tailed weight, so most folders hold a handful and a few hold many.
    weights = [min(rng.paretovariate(1.1), 200.0) for _ in paths]
    ext_values = [e for e, _ in EXTENSIONS]
    ext_cum = []
    total = 0
    for _, weight in EXTENSIONS:
        total += weight
        ext_cum.append(total)
    chosen = rng.choices(range(len(paths)), weights=weights, k=files)
    file_paths = []
    for folder in chosen:
        name = unique(file_name(rng, ext_values, ext_cum), names[folder])
        file_paths.append(os.path.join(paths[folder], name))
    return paths[1:], file_paths, depths


def plan_contents(files, seed):
    """Contents for the files, in their order: a list of (kind, size, seed of the bytes, change),
    where kind is "data" or "link" (a hard link of the file at index size)."""
    rng = random.Random(seed * 104729 + 7)
    order = list(range(len(files)))
    rng.shuffle(order)  # groups land in unrelated folders
    plans = [None] * len(files)
    used = set()
    at = 0

    def fresh_size(low, high):
        while True:
            size = rng.randrange(low, high)
            if size not in used:
                used.add(size)
                return size

    def put(entry):
        nonlocal at
        if at < len(order):
            plans[order[at]] = entry
            at += 1

    # True duplicates, large ones first.
    for size, copies in ((64 << 20, 2), (32 << 20, 2), (16 << 20, 3), (4 << 20, 3), (1 << 20, 4)):
        used.add(size)
        key = rng.getrandbits(32)
        for _ in range(copies):
            put(("data", size, key, None))
    # Equal size, contents differing only in one byte: the first, the last, or one in the middle.
    for size, where in ((64 << 20 | 1, "last"), (8 << 20 | 1, "first"), (16 << 20 | 1, "middle"),
                        (1 << 20 | 1, "last"), (1 << 20 | 3, "first")):
        used.add(size)
        key = rng.getrandbits(32)
        put(("data", size, key, None))
        put(("data", size, key, where))
    while at < len(order):
        roll = rng.random()
        if roll < 0.02 and at > 0:
            target = order[rng.randrange(at)]
            if plans[target][0] == "link":
                target = plans[target][1]
            put(("link", target, 0, None))
        elif roll < 0.12:
            # Small duplicates.
            size, key = fresh_size(1, 65536), rng.getrandbits(32)
            for _ in range(rng.randrange(2, 4)):
                put(("data", size, key, None))
        elif roll < 0.30:
            # Equal size, different contents.
            size = fresh_size(1, 65536)
            for _ in range(rng.randrange(2, 6)):
                put(("data", size, rng.getrandbits(32), None))
        else:
            put(("data", fresh_size(1, 32768), rng.getrandbits(32), None))
    return plans


def write_contents(out, files, plans):
    flags = os.O_WRONLY | os.O_CREAT | os.O_EXCL | getattr(os, "O_CLOEXEC", 0)
    # Links last, so their targets exist.
    for index in sorted(range(len(files)), key=lambda i: plans[i][0] == "link"):
        kind, size, key, change = plans[index]
        path = os.path.join(out, files[index])
        if kind == "link":
            os.link(os.path.join(out, files[size]), path)
            continue
        data = bytearray(random.Random(key).randbytes(size))
        if change:
            at = {"first": 0, "last": size - 1, "middle": size // 2}[change]
            data[at] ^= 0xFF
        fd = os.open(path, flags, 0o644)
        view = memoryview(data)
        while view:
            view = view[os.write(fd, view):]
        os.close(fd)


def make_chain(out, levels):
    """A chain deeper than any path the system accepts, made relative to open descriptors."""
    if os.path.lexists(out) and (not os.path.isdir(out) or os.listdir(out)):
        sys.exit("gen_tree.py: %s exists and is not an empty folder" % out)
    os.makedirs(out, exist_ok=True)
    fd = os.open(out, os.O_RDONLY | os.O_DIRECTORY)
    for level in range(levels):
        os.close(os.open("f%d" % level, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644, dir_fd=fd))
        os.mkdir("dd", dir_fd=fd)
        deeper = os.open("dd", os.O_RDONLY | os.O_DIRECTORY, dir_fd=fd)
        os.close(fd)
        fd = deeper
    os.close(fd)
    print("gen_tree: %s chain levels=%d files=%d" % (out, levels, levels))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("outdir")
    parser.add_argument("--files", type=int, default=200000)
    parser.add_argument("--folders", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--max-depth", type=int, default=8)
    parser.add_argument("--sizes", action="store_true",
                        help="give files seeded sizes (sparse, so no disk space is used), a few of them shared")
    parser.add_argument("--contents", action="store_true",
                        help="give files seeded contents for the duplicate finders (see above)")
    parser.add_argument("--chain", type=int, default=0, metavar="LEVELS",
                        help="instead: a chain of LEVELS nested folders named dd, each with one file f<level>")
    args = parser.parse_args()
    if args.chain > 0:
        make_chain(os.path.abspath(args.outdir), args.chain)
        return
    if args.files < 0 or args.folders < 0 or args.max_depth < 1:
        parser.error("sizes must not be negative and --max-depth must be at least 1")

    out = os.path.abspath(args.outdir)
    if os.path.lexists(out) and (not os.path.isdir(out) or os.listdir(out)):
        sys.exit("gen_tree.py: %s exists and is not an empty folder" % out)
    folders, files, depths = plan(args.files, args.folders, args.seed, args.max_depth)
    if args.contents:
        # No hidden names: the search skips them by default, the other tools do not.
        visible = lambda path: os.path.join(*["_" + p[1:] if p.startswith(".") else p
                                              for p in path.split(os.sep)])
        folders = [visible(f) for f in folders]
        files = [visible(f) for f in files]

    os.makedirs(out, exist_ok=True)
    for folder in folders:
        os.mkdir(os.path.join(out, folder))
    if args.contents:
        plans = plan_contents(files, args.seed)
        write_contents(out, files, plans)
        links = sum(1 for entry in plans if entry[0] == "link")
        total = sum(entry[1] for entry in plans if entry[0] == "data")
        print("gen_tree: %s files=%d folders=%d links=%d bytes=%d seed=%d"
              % (out, len(files), len(folders), links, total, args.seed))
        return
    flags = os.O_WRONLY | os.O_CREAT | os.O_EXCL | getattr(os, "O_CLOEXEC", 0)
    sizes = random.Random(args.seed * 7919 + 1)
    for path in files:
        fd = os.open(os.path.join(out, path), flags, 0o644)
        if args.sizes:
            # Mostly distinct sizes over a wide range, with about one file in ten sharing a small one.
            size = sizes.randrange(1, 4096) if sizes.random() < 0.1 else sizes.randrange(1, 1 << 34)
            os.ftruncate(fd, size)
        os.close(fd)

    hidden_folders = sum(1 for f in folders if os.path.basename(f).startswith("."))
    hidden_files = sum(1 for f in files if os.path.basename(f).startswith("."))
    print("gen_tree: %s files=%d folders=%d max-depth=%d hidden-files=%d hidden-folders=%d seed=%d"
          % (out, len(files), len(folders), max(depths), hidden_files, hidden_folders, args.seed))


if __name__ == "__main__":
    main()
