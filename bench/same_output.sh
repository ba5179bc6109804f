#!/usr/bin/env bash
# Runs two builds of tremaro-scale over the same forms with the same arguments and fails on
# the first difference in standard output, standard error or exit status: a change that
# should only make the program faster must not change a byte of what it writes.
#   bench/same_output.sh OLD_TREMARO_SCALE NEW_TREMARO_SCALE FORM...
set -uo pipefail
[ $# -ge 3 ] || { echo "usage: bench/same_output.sh OLD_TREMARO_SCALE NEW_TREMARO_SCALE FORM..." >&2; exit 2; }
old=$1
new=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
compared=0
for form in "$@"; do
    for arguments in "--stdout 120" "--stdout 80" "--stdout 500" "--stdout 20" "--show-code-page" \
                     "--code-page windows-1251 --stdout 120" "--code-page gbk --stdout 120" \
                     "--code-page utf-8 --stdout 120" "--code-page shift_jis --stdout 120" \
                     "--code-page windows-1252 --stdout 150" "--code-page big5 --stdout 90" \
                     "--code-page cp949 --stdout 110" "--code-page windows-874 --stdout 130"; do
        # shellcheck disable=SC2086
        "$old" $arguments "$form" >"$scratch/old.out" 2>"$scratch/old.err"
        old_status=$?
        # shellcheck disable=SC2086
        "$new" $arguments "$form" >"$scratch/new.out" 2>"$scratch/new.err"
        new_status=$?
        if [ "$old_status" != "$new_status" ] || ! cmp -s "$scratch/old.out" "$scratch/new.out" ||
            ! cmp -s "$scratch/old.err" "$scratch/new.err"; then
            echo "DIFFERENT: $arguments $form (exit $old_status before, $new_status now)" >&2
            exit 1
        fi
        compared=$((compared + 1))
    done
done
echo "same output and exit status in all $compared runs over $# forms"
