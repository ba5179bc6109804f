#!/usr/bin/env bash
# Times a batch save against the disk's floor, in one run on the machine as it is loaded:
# copying the same folder of forms with cp -r and flushing it with sync, then tremaro-scale
# saving every form of a fresh copy (new form and backup each), named one by one and then as
# the forms of one project file (App.vbp); a second tremaro-scale (an
# earlier release's) is timed in the same rounds where given. Prints the times, the ratios to
# the copy, the form count, the file system and the load. Each measure is taken three times,
# alternating, and the medians compared.
#
# bench/batch_save.sh TREMARO_SCALE [EARLIER_TREMARO_SCALE]
# TREMARO_BENCH_FORMS: the folders of forms, separated by spaces (default: those of the public
# corpora that this machine has), copied until there are at least 1,000 forms.
# TMPDIR: where the copies are made (default /tmp), so that the file system can be chosen: a
# fresh one, for instance, where no earlier round's deleted files slow the next one's creation.
set -euo pipefail
scale=${1:?usage: bench/batch_save.sh TREMARO_SCALE [EARLIER_TREMARO_SCALE]}
earlier=${2:-}
if [ -n "${TREMARO_BENCH_FORMS:-}" ]; then
    read -r -a sources <<<"$TREMARO_BENCH_FORMS"
else
    sources=()
    for folder in /work/corpus/bench /work/corpus/tune /work/corpus/heldout /work/corpus/heldout-ascii; do
        [ -d "$folder" ] && sources+=("$folder")
    done
fi
[ "${#sources[@]}" -gt 0 ] || { echo "No folder of forms: set TREMARO_BENCH_FORMS" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/tremaro-batch-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

mkdir "$work/forms"
round=0
while [ "$(find "$work/forms" -name '*.frm' | wc -l)" -lt 1000 ]; do
    round=$((round + 1))
    for source in "${sources[@]}"; do
        for form in "$source"/*.frm; do
            cp "$form" "$work/forms/r${round}_$(basename "$form")"
        done
    done
done
count=$(find "$work/forms" -name '*.frm' | wc -l)
# The project lists the forms the program corrects: one it refuses (a value out of range at
# 120 %) would leave the whole project unsaved.
for form in "$work"/forms/*.frm; do
    "$scale" --stdout 120 "$form" >/dev/null 2>&1 && echo "Form=$(basename "$form")"
done >"$work/members"
sync

now() { date +%s.%N; }
# Seconds a batch save of a fresh copy of the forms takes with the given program: the forms
# named one by one, or (second argument "project") as the forms of one project file.
time_save() {
    rm -rf "$work/saved"
    cp -r "$work/forms" "$work/saved"
    local named=("$work"/saved/*.frm)
    if [ "${2:-}" = project ]; then
        { echo "Type=Exe"; cat "$work/members"; } >"$work/saved/App.vbp"
        named=("$work/saved/App.vbp")
    fi
    sync
    local start status=0
    start=$(now)
    "$1" 120 "${named[@]}" >/dev/null 2>"$work/save.err" || status=$?
    echo "$(now) - $start" | bc
    # A project with a form it refuses saves nothing, and its time would say nothing.
    if [ "${2:-}" = project ] && [ "$status" != 0 ]; then
        echo "the project was not saved (exit $status): $(head -3 "$work/save.err")" >&2
        exit 1
    fi
}
copy_times=()
save_times=()
project_times=()
earlier_times=()
for attempt in 1 2 3; do
    rm -rf "$work/copy"
    start=$(now)
    cp -r "$work/forms" "$work/copy"
    sync
    copy_times+=("$(echo "$(now) - $start" | bc)")
    save_times+=("$(time_save "$scale")")
    project_times+=("$(time_save "$scale" project)")
    if [ -n "$earlier" ]; then
        earlier_times+=("$(time_save "$earlier")")
    fi
done
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
copy=$(median "${copy_times[@]}")
save=$(median "${save_times[@]}")
project=$(median "${project_times[@]}")
echo "forms: $count on $(df -T "$work" | awk 'NR == 2 { print $2 }')"
echo "cp -r + sync:        ${copy} s (${copy_times[*]})"
echo "batch save:          ${save} s (${save_times[*]}), $(echo "scale=2; $save / $copy" | bc)x the copy"
echo "project save:        ${project} s (${project_times[*]}), $(echo "scale=2; $project / $copy" | bc)x the copy" \
    "($(wc -l <"$work/members") of the forms, those it corrects)"
if [ -n "$earlier" ]; then
    before=$(median "${earlier_times[@]}")
    echo "earlier batch save:  ${before} s (${earlier_times[*]}), $(echo "scale=2; $before / $copy" | bc)x the copy"
fi
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
