#!/usr/bin/env bash
# Decodes the same generated tags with two builds of vexlor-decode and shows
# where their JSON or their decode files differ: a check that a change meant
# to keep every byte the same does so.
#   bash scripts/compare-outputs.sh OLD_DECODE NEW_DECODE [N] [SEED]
set -euo pipefail
old=$1 new=$2 count=${3:-5000} seed=${4:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Tags drawn from the codes of every table plus near misses, odd bytes and blanks.
python3 "$(dirname "$0")/generate-tags.py" "$count" "$seed" > "$work/tags.jsonl"

"$old" --batch < "$work/tags.jsonl" > "$work/old.jsonl" || true
"$new" --batch < "$work/tags.jsonl" > "$work/new.jsonl" || true
if cmp -s "$work/old.jsonl" "$work/new.jsonl"; then
  echo "JSON: all $count decodes the same"
else
  echo "JSON: these decodes differ (line, old, new):"
  paste -d '\n' <(nl -ba "$work/tags.jsonl") "$work/old.jsonl" "$work/new.jsonl" |
    awk 'NR % 3 == 1 {t = $0} NR % 3 == 2 {o = $0} NR % 3 == 0 && o != $0 {print t; print "  old " o; print "  new " $0; n++} END {print n " differ"}' | tail -40
fi

# Decode files of the first few hundred tags, with the date held still.
export SOURCE_DATE_EPOCH=1120435200
# Both write to the same path, since line 5 names the folder.
mkdir -p "$work/old" "$work/new" "$work/out"
head -n 300 "$work/tags.jsonl" | nl -ba | while read -r n line; do
  mapfile -t args < <(jq -r 'to_entries[] | "--\(.key)=\(.value)"' <<<"$line")
  for which in old new; do
    "${!which}" "${args[@]}" --save "$work/out/$n.txt" > /dev/null 2>&1 || true
    mv "$work/out/$n.txt" "$work/$which/$n.txt" 2>/dev/null || true
  done
done
if diff -r "$work/old" "$work/new" > "$work/files.diff"; then
  echo "decode files: the first 300 the same"
else
  echo "decode files differ:"; head -40 "$work/files.diff"
fi
