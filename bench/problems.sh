#!/usr/bin/env bash
# Times `tremaro-preview --problems 80` over a folder of 1,000 or more forms against `cat` of
# the same files, and against the release before it, all in one run on the same machine, and
# prints each as a ratio with the machine's load: reading the files is the floor a check of
# the whole folder stands on, whatever else the machine is doing.
#   bench/problems.sh FOLDER [COMMIT]   FOLDER: forms (*.frm, in any depth), copied over and
#                                       over into a temporary folder until there are 1,000
#                                       or more; COMMIT: the release to compare with (default:
#                                       where this branch left main)
# Before the timing, both releases must print the same bytes and exit alike over the whole
# folder at 80, 120 and 60 %: a faster check that says something else is no faster check.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
[ $# -ge 1 ] && [ -d "$1" ] || { echo "usage: bench/problems.sh FOLDER [COMMIT]" >&2; exit 2; }
source=$(cd "$1" && pwd)
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" hyperfine python3

commit=${2:-$(git merge-base HEAD main)}
scratch=$(mktemp -d)
previous=$scratch/previous
cleanup() {
    git worktree remove --force "$previous" >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

echo "Building the previous release ($(git log -1 --format='%h %s' "$commit" | cut -c1-72))"
git worktree add --detach --quiet "$previous" "$commit"
(cd "$previous" && cmake --preset release >/dev/null && cmake --build --preset release --target tremaro-preview >/dev/null)
echo "Building this tree"
cmake --preset release >/dev/null
cmake --build --preset release --target tremaro-preview >/dev/null
old=$previous/build-release/preview/tremaro-preview
new=$root/build-release/preview/tremaro-preview

# The forms side by side in one folder, each copy under its own prefix so no name repeats.
forms=$scratch/forms
mkdir "$forms"
mapfile -d '' originals < <(find "$source" -type f -iname '*.frm' -print0 | sort -z)
[ ${#originals[@]} -gt 0 ] || { echo "No forms in $source" >&2; exit 1; }
copy=0
while [ "$(find "$forms" -type f | wc -l)" -lt 1000 ]; do
    copy=$((copy + 1))
    for original in "${originals[@]}"; do
        relative=${original#"$source"/}
        cp "$original" "$forms/c${copy}_${relative//\//_}"
    done
done
count=$(find "$forms" -type f | wc -l)
echo "$count forms ($copy copies of ${#originals[@]}), $(du -sh --apparent-size "$forms" | cut -f1)B"

for percent in 80 120 60; do
    status_old=0
    status_new=0
    "$old" --problems "$percent" "$forms"/* >"$scratch/old.out" 2>"$scratch/old.err" || status_old=$?
    "$new" --problems "$percent" "$forms"/* >"$scratch/new.out" 2>"$scratch/new.err" || status_new=$?
    # A release that mends a rule reports other problems by design: the difference is said, and
    # the timing goes on, for the same forms are read and drawn either way.
    if [ "$status_old" != "$status_new" ] || ! cmp -s "$scratch/old.out" "$scratch/new.out" ||
        ! cmp -s "$scratch/old.err" "$scratch/new.err"; then
        echo "--problems $percent: the releases differ: $(wc -l <"$scratch/old.out") lines and exit $status_old" \
            "before, $(wc -l <"$scratch/new.out") lines and exit $status_new now"
    else
        echo "--problems $percent: the same $(wc -l <"$scratch/new.out") lines and exit $status_new from both"
    fi
done

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
json=$scratch/times.json
hyperfine --ignore-failure --warmup 2 --runs "${RUNS:-15}" --export-json "$json" --style basic \
    -n "cat" "cat $forms/*" \
    -n "previous --problems 80" "$old --problems 80 $forms/*" \
    -n "new --problems 80" "$new --problems 80 $forms/*" >/dev/null
echo "Load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

python3 bench/medians.py "$json" \
    "previous / cat=previous --problems 80/cat" \
    "new / cat=new --problems 80/cat" \
    "previous / new=previous --problems 80/new --problems 80"
