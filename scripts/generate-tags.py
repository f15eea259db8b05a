#!/usr/bin/env python3
"""Writes N generated tags as JSON Lines, the same N for the same seed: codes
drawn from every table plus near misses, odd bytes and blanks. Keys are the
command line's field names; empty fields are left out.
    python3 scripts/generate-tags.py N SEED > tags.jsonl
"""
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
