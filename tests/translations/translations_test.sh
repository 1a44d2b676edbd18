#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every shipped translation is complete and up to date with the texts of the
# code: lupdate run afresh on the sources finds nothing new and nothing gone,
# and lrelease compiles every message as finished.
#   translations_test.sh LUPDATE LRELEASE GENERATE_PROJECT PROJECT_CMAKE SCRATCH TS...
set -euo pipefail
lupdate=$1 lrelease=$2 generate=$3 project=$4 scratch=$5
shift 5

fail=0
rm -rf "$scratch"
mkdir -p "$scratch"
cmake -DIN_FILE="$project" -DOUT_FILE="$scratch/project.json" -P "$generate" >/dev/null

for ts in "$@"; do
    name=$(basename "$ts")
    copy=$scratch/$name
    cp "$ts" "$copy"
    "$lupdate" -silent -project "$scratch/project.json" -ts "$copy" -no-obsolete -locations none >/dev/null 2>&1
    if ! cmp -s "$ts" "$copy"; then
        echo "FAIL: $name is not up to date with the code's texts (run: cmake --build build --target update_translations, then translate):" >&2
        diff "$ts" "$copy" | grep '^[<>] *<source>' | head -20 >&2 || true
        fail=1
    fi
    out=$("$lrelease" "$ts" -qm "$scratch/${name%.ts}.qm" 2>&1)
    generated=$(sed -n 's/.*Generated \([0-9]*\) translation.*(\([0-9]*\) finished and \([0-9]*\) unfinished).*/\1 \2 \3/p' <<<"$out")
    read -r total finished unfinished <<<"$generated"
    if [ -z "$generated" ] || [ "$unfinished" -ne 0 ] || [ "$finished" -ne "$total" ] || grep -q 'untranslated' <<<"$out"; then
        echo "FAIL: $name has unfinished or untranslated messages:" >&2
        echo "$out" >&2
        fail=1
    else
        echo "$name: $finished messages, all finished"
    fi
done
exit $fail
