#!/bin/bash
# Runs the save's crash test, its racing-writer tests and the two-saves test on an exFAT
# image mounted through FUSE (exfat-fuse), whose names ignore letter case and whose rename
# removes the old name before it gives the new one. Needs root (the image goes through a
# loop device, since exfat-fuse run by root mounts only block devices) and a build in
# build/. Not part of ctest: it mounts a file system.
#
#   scripts/exfat-save-tests.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
ensure_packages exfat-fuse exfatprogs
build=${1:-build}

work=$(mktemp -d)
image="$work/exfat.img"
mountPoint="$work/mnt"
device=
cleanup() {
    umount "$mountPoint" 2>/dev/null || fusermount -u "$mountPoint" 2>/dev/null || true
    [ -n "$device" ] && losetup -d "$device"
    rm -rf "$work"
}
trap cleanup EXIT

truncate -s 256M "$image"
mkfs.exfat -q "$image" >/dev/null 2>&1 || mkfs.exfat "$image" >/dev/null
mkdir "$mountPoint"
device=$(losetup -f --show "$image")
mount.exfat-fuse "$device" "$mountPoint"

export TMPDIR="$mountPoint"
"$build/tests/program_tests" --gtest_filter='EveryPath/KilledSaveTest.*'
"$build/tests/core_tests" \
    --gtest_filter='SaveTest.save_formChangedAtEachCallInTurn*:TwoSavesTest.*:BadInputTest.fileChangedWhileRead*'
echo "exFAT: the save's crash, racing-writer and two-saves tests passed"
