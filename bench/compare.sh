#!/usr/bin/env bash
# Times tremaro-scale against the release before it and against the awk scaler a user would
# write instead, all in one run on the same machine, and prints each as a ratio, with the
# machine's load: a regression shows as a ratio, whatever else the machine is doing.
#   bench/compare.sh [COMMIT]    COMMIT: the release to compare with (default: where this
#                                branch left main)
# The previous release is built from COMMIT in a temporary work tree, this tree in
# build-release/, both with the release preset. The forms: the benchmark form of
# ../shared/bench/big_form.py (32,757 lines of Windows-1251, room left for the Font group a
# correction adds) and the same form with GBK captions (gbk_form.py). Then the instructions each
# release runs for them (callgrind), which do not wander with the load as the times do.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
peer=$root/../shared/bench
[ -f "$peer/big_form.py" ] && [ -f "$peer/peer_scale.awk" ] || { echo "No $peer/big_form.py or peer_scale.awk" >&2; exit 1; }
source scripts/ensure-packages.sh
ensure_packages "${TREMARO_PACKAGES[@]}" hyperfine python3 valgrind

commit=${1:-$(git merge-base HEAD main)}
scratch=$(mktemp -d)
previous=$scratch/previous
cleanup() {
    git worktree remove --force "$previous" >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

echo "Building the previous release ($(git log -1 --format='%h %s' "$commit" | cut -c1-72))"
git worktree add --detach --quiet "$previous" "$commit"
(cd "$previous" && cmake --preset release >/dev/null && cmake --build --preset release --target tremaro-scale >/dev/null)
echo "Building this tree"
cmake --preset release >/dev/null
cmake --build --preset release --target tremaro-scale >/dev/null
old=$previous/build-release/cli/tremaro-scale
new=$root/build-release/cli/tremaro-scale

form1251=$scratch/big1251.frm
formgbk=$scratch/bigGbk.frm
python3 "$peer/big_form.py" "$form1251" 32757
python3 bench/gbk_form.py "$peer/big_form.py" "$formgbk" 32757

# What is timed must also be right: read in the same code page, the same bytes as the previous
# release writes. Read in the code page each decides, they may differ where the decision was
# mended; that is said, not hidden.
for formAndPage in "$form1251 windows-1251" "$formgbk gbk"; do
    read -r form page <<<"$formAndPage"
    cmp -s <("$old" --code-page "$page" --stdout 120 "$form" 2>/dev/null) \
        <("$new" --code-page "$page" --stdout 120 "$form" 2>/dev/null) ||
        { echo "The two releases print $form differently in $page" >&2; exit 1; }
    for program in "$old" "$new"; do
        echo "$(basename "$(dirname "$(dirname "$(dirname "$program")")")"): $form read as" \
            "$("$program" --show-code-page "$form" | cut -f2)"
    done
done

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
# In rounds, each command a few runs in turn, so that a slow minute of the VM falls on all of
# them alike rather than on whichever command hyperfine happened to be timing then.
rounds=$(( ${ROUNDS:-6} > 0 ? ${ROUNDS:-6} : 1 ))
for round in $(seq "$rounds"); do
    hyperfine --shell=none --warmup 2 --runs "$(( (${RUNS:-60} + rounds - 1) / rounds ))" \
        --export-json "$scratch/round$round.json" --style basic --output=pipe \
        -n "previous --version" "$old --version" \
        -n "new --version" "$new --version" \
        -n "previous 1251" "$old --stdout 120 $form1251" \
        -n "new 1251" "$new --stdout 120 $form1251" \
        -n "previous 1251 --code-page" "$old --code-page windows-1251 --stdout 120 $form1251" \
        -n "new 1251 --code-page" "$new --code-page windows-1251 --stdout 120 $form1251" \
        -n "awk 1251" "awk -v pct=120 -f $peer/peer_scale.awk $form1251" \
        -n "previous GBK" "$old --stdout 120 $formgbk" \
        -n "new GBK" "$new --stdout 120 $formgbk" \
        -n "awk GBK" "awk -v pct=120 -f $peer/peer_scale.awk $formgbk" >/dev/null
done
echo "Load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

python3 bench/medians.py "$scratch"/round*.json \
    "--version: previous / new=previous --version/new --version" \
    "1251 form: previous / new=previous 1251/new 1251" \
    "1251 form: awk / new=awk 1251/new 1251" \
    "1251 --code-page: previous / new=previous 1251 --code-page/new 1251 --code-page" \
    "1251 --code-page: awk / new=awk 1251/new 1251 --code-page" \
    "GBK form: previous / new=previous GBK/new GBK" \
    "GBK form: awk / new=awk GBK/new GBK"

# This VM's times wander by a third from one run to the next; the instructions each release
# runs do not, so a regression of a few per cent shows here first.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
echo
printf '%-28s %14s %14s %8s\n' "instructions" "previous" "new" "new/prev"
for labelAndArguments in "--version|--version" "1251 form|--stdout 120 $form1251" \
                         "1251 --code-page|--code-page windows-1251 --stdout 120 $form1251" \
                         "GBK form|--stdout 120 $formgbk"; do
    label=${labelAndArguments%%|*}
    read -r -a arguments <<<"${labelAndArguments#*|}"
    before=$(instructions "$old" "${arguments[@]}")
    after=$(instructions "$new" "${arguments[@]}")
    printf '%-28s %14s %14s %8s\n' "$label" "$before" "$after" "$(echo "scale=3; $after / $before" | bc)"
done
