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
python3 - "$count" "$seed" > "$work/tags.jsonl" <<'PY'
import json, random, sys
count, seed = int(sys.argv[1]), int(sys.argv[2])
rnd = random.Random(seed)
pools = {
    "year": ["1967", "67", "1968", "68", "1969", "69"],
    "vin": ["", "124377N", "123377L", "124678N", "123679L", "124379N", "124679L", "133377N", "12437", "124370N",
            "124379X", "12?37", "124677L9"],
    "serial": ["", "100001", "212345", "300001", "412345", "512345", "612345", "712345", "12345", "9999999", "6a"],
    "date": ["", "01A", "10B", "08E", "12E", "13A", "00A", "09F", "1", "04L", "?1A"],
    "code": ["", "D", "B", "Y", "Q", "AB", "12"],
    "style": ["", "67-12437", "67-12467", "67-12637", "67-12667", "68-12437", "68-12467", "69-12437", "69-12467",
              "12437", "67-12337", "x"],
    "plant": ["", "NOR", "LOS", "VN", "nor", "XYZ"],
    "body": ["", "65727", "1", "123456", "1234567", "-5", "abc", "99999999999", "000000"],
    "trim": ["", "741", "760", "712", "711", "720", "716", "730", "749", "999", "ABC", "7"],
    "seat": ["", "Z", "Y", "H", "T", "Q"],
    "paint": ["", "R", "C", "A", "Z", "O", "B", "-", "10", "50", "51", "53", "150", "X50", "50-X", "99"],
    "top": ["", "R", "C", "1", "2", "4", "6", "50", "51", "53", "A", "B", "S", " _2", "X", "-"],
    "group1": ["", "W", "EW", "X", "D", "W,E"],
    "group2": ["", "GL", "MZ", "B", "E", "ML"],
    "group3": ["", "L", "AB", "Z"],
    "group4": ["", "P", "DE", "F", "Q"],
    "group5": ["", "A", "J", "X"],
    "date69": ["", "09C", "10A", "01E", "04E", "04L", "13A", "08?"],
    "code69": ["", "X33", "X33D80Z10", "X11", "D80", "Z10", "Z11", "X22", "A", "Q12", "X55", "A??", "??X22",
               "X77 D80", "A X11"],
}
for _ in range(count):
    tag = {k: rnd.choice(v) for k, v in pools.items()}
    print(json.dumps({k: v for k, v in tag.items() if v}))
PY

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
