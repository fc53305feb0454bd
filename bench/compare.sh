#!/usr/bin/env bash
# Compares the engine's walk with the floor walker and with find and fd on one folder.
#
#   bench/compare.sh FOLDER [--runs N] [--strict] [--cold]
#   bench/compare.sh FOLDER --verify [--runs N]
#   bench/compare.sh FOLDER --text T [--runs N] [--strict]
#
# Uses the benchmarks of the build folder (TRESMOLO_BUILD_DIR, default build/ at the top of the
# repository) and builds them there only when they are missing. Warms the caches with one untimed
# pass of every tool, then times N runs of each (hyperfine when installed, else a shell loop that
# takes the tools in turn) and prints a markdown table of median wall times. Optional tools that
# are missing get a note, not an error. With --strict the exit code is 1 when a speed goal is missed.
# With --cold (root only) it drops the page cache before every timed command instead and prints the
# cold table alone: the floor, fdfind -j16 and -j1, find and the engine's walk.
#
# With --verify it compares the duplicates window's contents check (tresmolo-bench verify) with the
# content-comparing tools jdupes, rmlint, fdupes and rdfind instead, on a tree of real contents
# (bench/gen_tree.py --contents): a first check and a repeated one (ours with its contents cache kept,
# rmlint with --xattr), time, duplicate files found, bytes read, and whether the groups are jdupes's
# (hard links aside).
#
# With --text T it compares the search for text inside files (tresmolo-bench walk --text T) with
# grep -rlF T, rg -l -F -uuu T and the floor walker's --text mode instead: time, files found, and the
# files on which they differ (the walk looks without regard to case and skips hidden and binary
# files; grep -F and rg -F go by case and read everything).

set -u

usage() {
    echo "usage: $0 FOLDER [--runs N] [--strict] [--cold] [--verify] [--text T]" >&2
    exit 2
}

FOLDER=""
RUNS=5
STRICT=0
COLD=0
VERIFY=0
TEXT=""
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) [ $# -ge 2 ] || usage; RUNS=$2; shift 2 ;;
    --runs=*) RUNS=${1#--runs=}; shift ;;
    --strict) STRICT=1; shift ;;
    --cold) COLD=1; shift ;;
    --verify) VERIFY=1; shift ;;
    --text) [ $# -ge 2 ] && [ -n "$2" ] || usage; TEXT=$2; shift 2 ;;
    -*) usage ;;
    *) [ -z "$FOLDER" ] || usage; FOLDER=$1; shift ;;
    esac
done
[ -n "$FOLDER" ] || usage
case "$RUNS" in '' | *[!0-9]*) usage ;; esac
[ "$RUNS" -ge 1 ] || usage
[ -d "$FOLDER" ] || { echo "compare.sh: not a folder: $FOLDER" >&2; exit 2; }

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${TRESMOLO_BUILD_DIR:-$ROOT/build}
BENCH=$BUILD/bench/tresmolo-bench
FLOOR=$BUILD/bench/floor-walk

if [ ! -x "$BENCH" ] || [ ! -x "$FLOOR" ]; then
    echo "compare.sh: building the benchmarks in $BUILD" >&2
    if [ ! -f "$BUILD/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRESMOLO_WERROR=ON >&2 || exit 2
    fi
    cmake --build "$BUILD" -j2 --target tresmolo-bench floor-walk >&2 || exit 2
fi
BUILD_TYPE=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD/CMakeCache.txt" 2>/dev/null)
case "$BUILD_TYPE" in
Release | RelWithDebInfo) ;;
*) echo "compare.sh: note: $BUILD is a '${BUILD_TYPE:-unset}' build; the times are not representative" >&2 ;;
esac

WORK=$(mktemp -d) || exit 2
trap 'rm -rf "$WORK"' EXIT

# The tools: a name, the command line that is timed (its output is thrown away) and a command line
# that prints the number of files the tool found, run once untimed to warm the caches.
q=$(printf '%q' "$FOLDER")
NAMES=()
CMDS=()
COUNTS=()
add() { NAMES+=("$1"); CMDS+=("$2"); COUNTS+=("$3"); }
last_files="tail -n 1 | sed 's/.*files=\([0-9]*\).*/\1/'"
add "floor-walk" "$(printf '%q' "$FLOOR") $q --runs 1" "$(printf '%q' "$FLOOR") $q --runs 1 | $last_files"
add "find -type f" "find $q -type f" "find $q -type f | wc -l"
add "find, hidden pruned" "find $q -name '.*' -prune -o -type f -print" \
    "find $q -name '.*' -prune -o -type f -print | wc -l"
if command -v fdfind >/dev/null 2>&1; then
    add "fdfind -j1 --no-ignore" "fdfind -j1 --no-ignore --type f . $q" \
        "fdfind -j1 --no-ignore --type f . $q | wc -l"
else
    echo "compare.sh: note: fdfind is not installed; its row is skipped" >&2
fi
add "tresmolo-bench walk" "$(printf '%q' "$BENCH") walk $q --runs 1" \
    "$(printf '%q' "$BENCH") walk $q --runs 1 | $last_files"
add "tresmolo-bench walk --word TXT" "$(printf '%q' "$BENCH") walk $q --word TXT --runs 1" \
    "$(printf '%q' "$BENCH") walk $q --word TXT --runs 1 | $last_files"
# Three skip patterns of three kinds (a suffix, a name, a wildcard), and a regular-expression word.
SKIP="--skip '*.o' node_modules 'core.[0-9]*'"
REGEX="--match regex --word 'img_[0-9]+\.jpe?g\$'"
add "tresmolo-bench walk, 3 skip patterns" "$(printf '%q' "$BENCH") walk $q $SKIP --runs 1" \
    "$(printf '%q' "$BENCH") walk $q $SKIP --runs 1 | $last_files"
add "tresmolo-bench walk, regex word" "$(printf '%q' "$BENCH") walk $q $REGEX --runs 1" \
    "$(printf '%q' "$BENCH") walk $q $REGEX --runs 1 | $last_files"

if [ "$COLD" = 1 ]; then
    [ "$(id -u)" = 0 ] || { echo "compare.sh: --cold drops the page cache and needs root" >&2; exit 2; }
    NAMES=()
    CMDS=()
    COUNTS=()
    add "floor-walk" "$(printf '%q' "$FLOOR") $q --runs 1" "$(printf '%q' "$FLOOR") $q --runs 1 | $last_files"
    if command -v fdfind >/dev/null 2>&1; then
        add "fdfind -j16 --no-ignore -H" "fdfind -j16 --no-ignore -H --type f . $q" \
            "fdfind -j16 --no-ignore -H --type f . $q | wc -l"
        add "fdfind -j1 --no-ignore" "fdfind -j1 --no-ignore --type f . $q" \
            "fdfind -j1 --no-ignore --type f . $q | wc -l"
    else
        echo "compare.sh: note: fdfind is not installed; its rows are skipped" >&2
    fi
    add "find -type f" "find $q -type f" "find $q -type f | wc -l"
    add "tresmolo-bench walk" "$(printf '%q' "$BENCH") walk $q --runs 1" \
        "$(printf '%q' "$BENCH") walk $q --runs 1 | $last_files"
fi

# Seconds since the epoch, without starting a process when the shell can tell it.
now() {
    if [ -n "${EPOCHREALTIME:-}" ]; then echo "${EPOCHREALTIME/,/.}"; else date +%s.%N; fi
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Wall seconds of one run of a command line.
time_once() {
    local t0 t1
    t0=$(now)
    eval "$1" >/dev/null 2>&1
    t1=$(now)
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.6f\n", b - a }'
}

drop_caches() { sync; echo 3 >/proc/sys/vm/drop_caches; }

# --verify: the contents check beside the content-comparing tools, a first check and a repeated one,
# then nothing else. Our repeat keeps its contents cache between commands (--cache); rmlint's is
# rmlint --xattr, whose checksums live in the files' extended attributes; jdupes, fdupes and rdfind
# keep nothing, so their repeat reads everything again.
verify_table() {
    local names=() cmds=() counts=() kinds=() i run
    local qw qb
    qw=$(printf '%q' "$WORK")
    qb=$(printf '%q' "$BENCH")
    mkdir -p "$WORK/cache"
    # kind: first (no state kept), repeat (state kept by an untimed run before), both (keeps nothing).
    add_v() { names+=("$1"); kinds+=("$2"); cmds+=("$3"); counts+=("$4"); }
    add_v "tresmolo-bench verify" first "$qb verify $q --runs 1" \
        "$qb verify $q --runs 1 --list $qw/ours.txt 2>/dev/null | tail -n 1 | sed 's/.*dup_files=\([0-9]*\).*/\1/'"
    add_v "tresmolo-bench verify --cache" repeat "$qb verify $q --runs 1 --cache $qw/cache" \
        "$qb verify $q --runs 1 --cache $qw/cache 2>/dev/null | tail -n 1 | sed 's/.*dup_files=\([0-9]*\).*/\1/'"
    for tool in jdupes rmlint fdupes rdfind; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "compare.sh: note: $tool is not installed (scripts/setup.sh --bench); its row is skipped" >&2
            continue
        fi
        case $tool in
        jdupes) add_v "jdupes -r" both "jdupes -r $q" "jdupes -r $q | tee $qw/jdupes.txt | grep -c ." ;;
        rmlint)
            add_v "rmlint" first "cd $qw && rmlint -o fdupes:/dev/null $q" \
                "cd $qw && rmlint -o fdupes:stdout $q | grep -c ."
            add_v "rmlint --xattr" repeat "cd $qw && rmlint --xattr -o fdupes:/dev/null $q" \
                "cd $qw && rmlint --xattr -o fdupes:stdout $q | grep -c ." ;;
        fdupes) add_v "fdupes -r" both "fdupes -r $q" "fdupes -r $q | grep -c ." ;;
        rdfind) add_v "rdfind -dryrun true" both "rdfind -dryrun true -outputname $qw/rdfind.txt $q" \
            "rdfind -dryrun true -outputname $qw/rdfind.txt $q >/dev/null; grep -vc '^#' $qw/rdfind.txt" ;;
        esac
    done
    local found=() bytes=() times=()
    # rmlint --xattr writes its checksums into the files' attributes, which changes their change
    # time; it goes first, so the contents cache is filled after it and stays valid.
    for i in "${!cmds[@]}"; do
        [ "${names[i]}" = "rmlint --xattr" ] && eval "${counts[i]}" >/dev/null 2>&1
    done
    for i in "${!cmds[@]}"; do
        found[i]=$(eval "${counts[i]}" 2>/dev/null) # untimed: warms the caches, fills the kept state, counts
        # Bytes the command read, from the shell's I/O account, which takes in its reaped children.
        bytes[i]=$(bash -c "${cmds[i]} >/dev/null 2>&1; cat /proc/\$\$/io" | sed -n 's/^rchar: //p')
    done
    for ((run = 0; run < RUNS; run++)); do
        for i in "${!cmds[@]}"; do
            time_once "${cmds[i]}" >>"$WORK/v$i"
        done
    done
    for i in "${!cmds[@]}"; do
        times[i]=$(median <"$WORK/v$i")
    done
    # The same checks inside the process: from the search's start to the end of the check.
    local inner_first inner_again
    inner_first=$("$BENCH" verify "$FOLDER" --runs "$RUNS" 2>/dev/null | tail -n 1)
    inner_again=$("$BENCH" verify "$FOLDER" --runs "$RUNS" --again 2>/dev/null | tail -n 1)
    field() { echo "$1" | sed -n "s/.* $2=\([0-9.]*\).*/\1/p"; }
    mb() { awk -v b="${1:-0}" 'BEGIN { printf "%.1f", b / 1048576 }'; }
    echo "Folder: $FOLDER, $RUNS runs per tool in turn, warm page cache, median wall time of the whole command"
    echo "(load before: $(cut -d' ' -f1-3 /proc/loadavg))"
    echo
    echo "| tool | kind | duplicate files | median s | MB read | ratio to tresmolo's first |"
    echo "|---|---|---:|---:|---:|---:|"
    for i in "${!cmds[@]}"; do
        printf '| %s | %s | %s | %.4f | %s | %s |\n' "${names[i]}" "${kinds[i]}" "${found[i]:-?}" "${times[i]}" \
            "$(mb "${bytes[i]}")" \
            "$(awk -v t="${times[i]}" -v o="${times[0]}" 'BEGIN { if (o > 0) printf "%.2f", t / o; else print "?" }')"
    done
    echo
    echo "kind: first = nothing kept from an earlier run; repeat = what an untimed run before kept (our"
    echo "contents cache, rmlint's extended attributes); both = keeps nothing, so every run reads everything."
    echo "jdupes, fdupes and the window list every file of a group; rmlint and rdfind count hard links and"
    echo "empty files their own way. MB read: all the bytes the process read (rchar), libraries included."
    echo
    echo "In-process medians, search start to check end (Verify Contents alone): first" \
        "$(field "$inner_first" seconds) s ($(field "$inner_first" check_s) s), $(field "$inner_first" bytes_read) bytes read;" \
        "repeat $(field "$inner_again" seconds) s ($(field "$inner_again" check_s) s), $(field "$inner_again" bytes_read) bytes read"
    if [ -s "$WORK/jdupes.txt" ] && [ -s "$WORK/ours.txt" ]; then
        python3 - "$WORK/ours.txt" "$WORK/jdupes.txt" <<'PY'
import os, re, sys
def unescape(text):
    return re.sub(rb"\\x([0-9a-f]{2})", lambda m: bytes([int(m.group(1), 16)]), text)
def single(path):
    # Hard links aside: jdupes leaves linked files out, the window marks them.
    return os.lstat(path).st_nlink == 1
def groups(sets):
    out = set()
    for names in sets:
        names = {n for n in names if single(n)}
        if len(names) >= 2:
            out.add(frozenset(names))
    return out
ours = {}
with open(sys.argv[1], "rb") as f:
    for line in f.read().split(b"\n"):
        if not line:
            continue
        group, mark, path = line.split(b"\t", 2)
        if int(group) > 0:
            ours.setdefault(int(group), set()).add(unescape(path))
theirs, current = [], set()
with open(sys.argv[2], "rb") as f:
    for line in f.read().split(b"\n"):
        if line.strip():
            current.add(line)
        elif current:
            theirs.append(current)
            current = set()
if current:
    theirs.append(current)
a, b = groups(ours.values()), groups(theirs)
if a == b:
    print("\nSame groups as jdupes (hard links aside): yes, %d groups of %d files" % (len(a), sum(map(len, a))))
else:
    print("\nSame groups as jdupes (hard links aside): NO, %d groups only ours, %d only jdupes" % (len(a - b), len(b - a)))
PY
    fi
    local first_s=${times[0]} repeat_s=${times[1]} jd=""
    for i in "${!cmds[@]}"; do [ "${names[i]}" = "jdupes -r" ] && jd=${times[i]}; done
    echo
    echo "Goals:"
    awk -v b="$(field "$inner_again" bytes_read)" 'BEGIN { print "- a repeated check reads 0 bytes: " ((b != "" && b == 0) ? "met" : "MISSED") }'
    awk -v r="$(field "$inner_again" check_s)" -v f="$(field "$inner_first" check_s)" \
        'BEGIN { print "- a repeated check within a quarter of the first (Verify Contents alone): " ((f > 0 && r <= f / 4) ? "met" : "MISSED") }'
    awk -v r="$repeat_s" -v f="$first_s" \
        'BEGIN { print "- the repeated command within a quarter of the first command: " ((f > 0 && r <= f / 4) ? "met" : "MISSED") }'
    if [ -n "$jd" ]; then
        awk -v t="$first_s" -v j="$jd" 'BEGIN { print "- the first check, as a whole command, faster than jdupes -r: " ((t < j) ? "met" : "MISSED") }'
    fi
}

# --text: the search inside files beside grep, rg and the floor, then nothing else.
text_table() {
    local names=() cmds=() lists=() i run found=() times=()
    local qt qw
    qt=$(printf '%q' "$TEXT")
    qw=$(printf '%q' "$WORK")
    names+=("floor-walk --text"); cmds+=("$(printf '%q' "$FLOOR") $q --text $qt --runs 1"); lists+=("")
    names+=("grep -rlF"); cmds+=("grep -rlF -- $qt $q"); lists+=("$WORK/grep.txt")
    if command -v rg >/dev/null 2>&1; then
        names+=("rg -l -F -uuu"); cmds+=("rg -l -F -uuu -- $qt $q"); lists+=("$WORK/rg.txt")
    else
        echo "compare.sh: note: rg is not installed (scripts/setup.sh --bench); its row is skipped" >&2
    fi
    names+=("tresmolo-bench walk --text"); cmds+=("$(printf '%q' "$BENCH") walk $q --text $qt --runs 1")
    lists+=("$WORK/ours.txt")
    local ours=$((${#cmds[@]} - 1)) grep_row=1 rg_row=""
    [ "${names[2]}" = "rg -l -F -uuu" ] && rg_row=2
    # The untimed pass: warms the caches and gives each tool's files.
    found[0]=$(eval "${cmds[0]}" 2>/dev/null | tail -n 1 | sed -n 's/.*matches=\([0-9]*\).*/\1/p')
    for ((i = 1; i < ${#cmds[@]}; i++)); do
        if [ "$i" = "$ours" ]; then
            eval "${cmds[i]} --list $qw/ours.txt" >/dev/null 2>&1
        else
            eval "${cmds[i]}" >"${lists[i]}" 2>/dev/null
        fi
        found[i]=$(grep -c . "${lists[i]}")
    done
    for ((run = 0; run < RUNS; run++)); do
        for i in "${!cmds[@]}"; do
            time_once "${cmds[i]}" >>"$WORK/x$i"
        done
    done
    for i in "${!cmds[@]}"; do
        times[i]=$(median <"$WORK/x$i")
    done
    echo "Folder: $FOLDER, text \"$TEXT\", $RUNS runs per tool in turn, warm cache, median wall time of the whole command"
    echo
    echo "| tool | files | median s | ratio to floor | ratio to grep |"
    echo "|---|---:|---:|---:|---:|"
    for i in "${!cmds[@]}"; do
        printf '| %s | %s | %.4f | %s | %s |\n' "${names[i]}" "${found[i]:-?}" "${times[i]}" \
            "$(awk -v t="${times[i]}" -v o="${times[0]}" 'BEGIN { if (o > 0) printf "%.2f", t / o; else print "?" }')" \
            "$(awk -v t="${times[i]}" -v o="${times[1]}" 'BEGIN { if (o > 0) printf "%.2f", t / o; else print "?" }')"
    done
    echo
    python3 - "$FOLDER" "${lists[@]:1}" <<'PY'
import os, sys
folder, lists = sys.argv[1], sys.argv[2:]
def files(path):
    with open(path, "rb") as f:
        return {os.path.normpath(line) for line in f.read().split(b"\n") if line.strip()}
sets = [(os.path.basename(p)[:-4], files(p)) for p in lists]
ours = sets[-1][1]
for name, theirs in sets[:-1]:
    if theirs == ours:
        print("Same files as %s: yes, %d" % (name, len(ours)))
        continue
    print("Same files as %s: NO, %d only ours, %d only %s" % (name, len(ours - theirs), len(theirs - ours), name))
    for label, diff in (("only ours", ours - theirs), ("only " + name, theirs - ours)):
        for path in sorted(diff)[:10]:
            print("  %s: %s" % (label, path.decode(errors="replace")))
        if len(diff) > 10:
            print("  %s: ... %d more" % (label, len(diff) - 10))
PY
    # The same searches timed inside the process, without process start and Qt start-up.
    local in_floor in_ours
    in_floor=$("$FLOOR" "$FOLDER" --text "$TEXT" --runs "$RUNS" 2>/dev/null | tail -n 1 | sed -n 's/.* seconds=\([0-9.]*\).*/\1/p')
    in_ours=$("$BENCH" walk "$FOLDER" --text "$TEXT" --runs "$RUNS" 2>/dev/null | tail -n 1 | sed -n 's/.* seconds=\([0-9.]*\).*/\1/p')
    echo
    echo "In-process medians: floor ${in_floor:-?} s, text search ${in_ours:-?} s" \
        "($(awk -v t="$in_ours" -v f="$in_floor" 'BEGIN { if (f > 0 && t != "") printf "%.2f", t / f; else print "?" }')x)"
    local missed=0 verdict
    echo
    echo "Goals:"
    verdict=$(awk -v t="${times[ours]}" -v o="${times[grep_row]}" 'BEGIN { print (t < o) ? "met" : "MISSED" }')
    [ "$verdict" = met ] || missed=1
    echo "- text search faster than grep -rlF: $verdict"
    if [ -n "$rg_row" ]; then
        verdict=$(awk -v t="${times[ours]}" -v o="${times[rg_row]}" 'BEGIN { print (t <= 1.5 * o) ? "met" : "MISSED" }')
        [ "$verdict" = met ] || missed=1
        echo "- text search within 1.5x of rg -l -F -uuu: $verdict"
    fi
    [ "$STRICT" = 1 ] && [ "$missed" = 1 ] && exit 1
    return 0
}

if [ "$VERIFY" = 1 ]; then
    verify_table
    exit 0
fi
if [ -n "$TEXT" ]; then
    text_table
    exit 0
fi

FILES=()
TIMES=()
if [ "$COLD" = 1 ]; then
    for i in "${!CMDS[@]}"; do
        FILES[i]=$(eval "${COUNTS[i]}" 2>/dev/null)
        [ -n "${FILES[i]}" ] || FILES[i]="?"
    done
    # Tools in turn, run after run, each on a cache just emptied.
    for ((run = 0; run < RUNS; run++)); do
        for i in "${!CMDS[@]}"; do
            drop_caches
            time_once "${CMDS[i]}" >>"$WORK/t$i"
        done
    done
    for i in "${!CMDS[@]}"; do
        TIMES[i]=$(median <"$WORK/t$i")
        echo "${NAMES[i]}: $(sort -g "$WORK/t$i" | tr '\n' ' ')" >&2
    done
    FLOOR_TIME=${TIMES[0]}
    echo "Folder: $FOLDER, cold cache (dropped before every command), $RUNS runs per tool, median wall time"
    echo
    echo "| tool | files | median s | ratio to floor |"
    echo "|---|---:|---:|---:|"
    for i in "${!CMDS[@]}"; do
        printf '| %s | %s | %.4f | %s |\n' "${NAMES[i]}" "${FILES[i]}" "${TIMES[i]}" \
            "$(awk -v t="${TIMES[i]}" -v f="$FLOOR_TIME" 'BEGIN { if (f > 0) printf "%.2f", t / f; else print "?" }')"
    done
    W=$((${#CMDS[@]} - 1))
    if command -v fdfind >/dev/null 2>&1; then
        verdict=$(awk -v t="${TIMES[W]}" -v o="${TIMES[1]}" 'BEGIN { print (t <= o) ? "met" : "MISSED" }')
        echo
        echo "Goals:"
        echo "- walk no slower than fdfind -j16 on a cold cache: $verdict"
        [ "$STRICT" = 1 ] && [ "$verdict" != met ] && exit 1
    fi
    exit 0
fi
for i in "${!CMDS[@]}"; do
    FILES[i]=$(eval "${COUNTS[i]}" 2>/dev/null) # the untimed pass: warms the caches, gives the count
    [ -n "${FILES[i]}" ] || FILES[i]="?"
done
if command -v hyperfine >/dev/null 2>&1 && command -v python3 >/dev/null 2>&1; then
    for i in "${!CMDS[@]}"; do
        if hyperfine --style none --runs "$RUNS" --export-json "$WORK/h$i.json" "${CMDS[i]} >/dev/null" \
            >/dev/null 2>&1; then
            TIMES[i]=$(python3 -c 'import json, sys
print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$WORK/h$i.json")
        fi
    done
fi
# The shell loop takes the tools in turn, run after run, so that anything else the machine does
# meanwhile slows all of them alike rather than whichever tool happens to be running.
for ((run = 0; run < RUNS; run++)); do
    for i in "${!CMDS[@]}"; do
        [ -n "${TIMES[i]:-}" ] || time_once "${CMDS[i]}" >>"$WORK/t$i"
    done
done
for i in "${!CMDS[@]}"; do
    [ -n "${TIMES[i]:-}" ] || TIMES[i]=$(median <"$WORK/t$i")
done

FLOOR_TIME=${TIMES[0]}
ratio() { awk -v t="$1" -v f="$FLOOR_TIME" 'BEGIN { if (f > 0) printf "%.2f", t / f; else print "?" }'; }

echo "Folder: $FOLDER, $RUNS runs per tool, median wall time of the whole command (process start included)"
echo
echo "| tool | files | median s | ratio to floor |"
echo "|---|---:|---:|---:|"
for i in "${!CMDS[@]}"; do
    printf '| %s | %s | %.4f | %s |\n' "${NAMES[i]}" "${FILES[i]}" "${TIMES[i]}" "$(ratio "${TIMES[i]}")"
done
echo
echo "find -type f also enters hidden folders and lists hidden files; the other rows skip both."

# The same walks timed inside the process, without process start and Qt start-up.
inner() { "$@" 2>/dev/null | tail -n 1 | sed -n 's/.* seconds=\([0-9.]*\).*/\1/p'; }
IN_FLOOR=$(inner "$FLOOR" "$FOLDER" --runs "$RUNS")
IN_WALK=$(inner "$BENCH" walk "$FOLDER" --runs "$RUNS")
IN_WORD=$(inner "$BENCH" walk "$FOLDER" --word TXT --runs "$RUNS")
inratio() {
    awk -v t="$1" -v f="$IN_FLOOR" 'BEGIN { if (f > 0 && t != "") printf "%.2f", t / f; else print "?" }'
}
echo
echo "In-process medians: floor ${IN_FLOOR:-?} s, walk ${IN_WALK:-?} s ($(inratio "$IN_WALK")x)," \
    "walk --word TXT ${IN_WORD:-?} s ($(inratio "$IN_WORD")x)"

# Whole searches through the real main frame (offscreen), from Start to the summary.
RUN_FILE=$("$BENCH" run "$FOLDER" --mode file --runs "$RUNS" 2>/dev/null | tail -n 1)
RUN_STATUS=$("$BENCH" run "$FOLDER" --mode status --runs "$RUNS" 2>/dev/null | tail -n 1)
field() { echo "$1" | sed -n "s/.* $2=\([0-9.]*\).*/\1/p"; }
echo
echo "| main frame run | files | median s | ratio to floor (in-process) | peak MB | longest UI stall ms |"
echo "|---|---:|---:|---:|---:|---:|"
for line in "$RUN_FILE" "$RUN_STATUS"; do
    [ -n "$line" ] || continue
    printf '| %s | %s | %s | %s | %s | %s |\n' "$(echo "$line" | sed -n 's/.*mode=\([a-z]*\).*/\1 mode/p')" \
        "$(field "$line" files)" "$(field "$line" seconds)" "$(inratio "$(field "$line" seconds)")" \
        "$(field "$line" rss_mb)" "$(field "$line" max_stall_ms)"
done

# The duplicates window's scan of a file-mode result, beside the floor walker's size mode (the walk,
# fstatat of every file and the grouping). Its sizes only mean something on a tree with real sizes
# (bench/gen_tree.py --sizes).
FLOOR_SIZES=$("$FLOOR" "$FOLDER" --sizes --runs "$RUNS" 2>/dev/null | tail -n 1)
DUPES=$("$BENCH" dupes "$FOLDER" --runs "$RUNS" 2>/dev/null | tail -n 1)
FLOOR_SIZES_S=$(field "$FLOOR_SIZES" seconds)
echo
echo "| duplicates scan | files | rows | median s | ratio to floor with sizes | peak MB | longest UI stall ms |"
echo "|---|---:|---:|---:|---:|---:|---:|"
printf '| floor-walk --sizes | %s | %s | %s | 1.00 | | |\n' "$(field "$FLOOR_SIZES" files)" \
    "$(field "$FLOOR_SIZES" rows)" "$FLOOR_SIZES_S"
printf '| tresmolo-bench dupes | %s | %s | %s | %s | %s | %s |\n' "$(field "$DUPES" files)" "$(field "$DUPES" rows)" \
    "$(field "$DUPES" seconds)" \
    "$(awk -v t="$(field "$DUPES" seconds)" -v f="$FLOOR_SIZES_S" 'BEGIN { if (f > 0 && t != "") printf "%.2f", t / f; else print "?" }')" \
    "$(field "$DUPES" rss_mb)" "$(field "$DUPES" max_stall_ms)"

# The goals, on the wall times of the table.
MISSED=0
goal() { # goal TEXT TIME LIMIT-RATIO-OR-EMPTY OTHER-TIME-OR-EMPTY
    local verdict
    if [ -n "$3" ]; then
        verdict=$(awk -v t="$2" -v f="$FLOOR_TIME" -v r="$3" 'BEGIN { print (t <= f * r) ? "met" : "MISSED" }')
    else
        verdict=$(awk -v t="$2" -v o="$4" 'BEGIN { print (t < o) ? "met" : "MISSED" }')
    fi
    [ "$verdict" = met ] || MISSED=1
    echo "- $1: $verdict"
}
index_of() { local i; for i in "${!NAMES[@]}"; do [ "${NAMES[i]}" = "$1" ] && echo "$i" && return; done; }
W=$(index_of "tresmolo-bench walk")
T=$(index_of "tresmolo-bench walk --word TXT")
S=$(index_of "tresmolo-bench walk, 3 skip patterns")
R=$(index_of "tresmolo-bench walk, regex word")
F=$(index_of "find -type f")
D=$(index_of "fdfind -j1 --no-ignore")
echo
echo "Goals:"
goal "walk within 1.5x of the floor" "${TIMES[W]}" 1.5 ""
goal "walk --word TXT within 1.6x of the floor" "${TIMES[T]}" 1.6 ""
goal "walk with 3 skip patterns within 1.3x of the floor" "${TIMES[S]}" 1.3 ""
goal "walk with a regular-expression word within 1.6x of the floor" "${TIMES[R]}" 1.6 ""
goal "walk faster than find -type f" "${TIMES[W]}" "" "${TIMES[F]}"
inner_goal() { # inner_goal TEXT SECONDS RATIO
    local verdict
    verdict=$(awk -v t="$2" -v f="$IN_FLOOR" -v r="$3" 'BEGIN { print (t != "" && t <= f * r) ? "met" : "MISSED" }')
    [ "$verdict" = met ] || MISSED=1
    echo "- $1: $verdict"
}
inner_goal "file-mode run within 2.5x of the floor" "$(field "$RUN_FILE" seconds)" 2.5
inner_goal "status-mode run within 1.6x of the floor" "$(field "$RUN_STATUS" seconds)" 1.6
for line in "$RUN_FILE" "$RUN_STATUS"; do
    stall=$(field "$line" max_stall_ms)
    verdict=$(awk -v s="$stall" 'BEGIN { print (s != "" && s <= 100) ? "met" : "MISSED" }')
    [ "$verdict" = met ] || MISSED=1
    echo "- UI never stalled over 100 ms ($(echo "$line" | sed -n 's/.*mode=\([a-z]*\).*/\1/p') mode): $verdict"
done
verdict=$(awk -v t="$(field "$DUPES" seconds)" -v f="$FLOOR_SIZES_S" 'BEGIN { print (t != "" && f > 0 && t <= f * 1.5) ? "met" : "MISSED" }')
[ "$verdict" = met ] || MISSED=1
echo "- duplicates scan within 1.5x of the floor with sizes: $verdict"
verdict=$(awk -v s="$(field "$DUPES" max_stall_ms)" 'BEGIN { print (s != "" && s <= 100) ? "met" : "MISSED" }')
[ "$verdict" = met ] || MISSED=1
echo "- UI never stalled over 100 ms (duplicates scan): $verdict"
if [ -n "$D" ]; then
    goal "walk faster than fdfind -j1" "${TIMES[W]}" "" "${TIMES[D]}"
fi
if [ "${FILES[W]}" != "${FILES[0]}" ]; then
    echo "- WARNING: the walk found ${FILES[W]} files, the floor ${FILES[0]}"
    MISSED=1
fi
[ "$STRICT" = 1 ] && [ "$MISSED" = 1 ] && exit 1
exit 0
