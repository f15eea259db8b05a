#!/usr/bin/env bash
# Opens the registry's HTML report in a real browser (Debian's chromium,
# headless): a registry of a few decoded tags, one of them with markup in a
# code, is written as a report; the page must load with no console error and
# hold its four charts, each with a title and a description, and no script.
#   bash scripts/check-report.sh [BUILD] [--screenshot PNG]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
screenshot=""
[[ ${2:-} == --screenshot ]] && screenshot=$(realpath -m "$3")
registry=$build/registry/vexlor-registry
decode=$build/cli/vexlor-decode
for program in "$registry" "$decode"; do
  [[ -x $program ]] || { echo "no $program; build it first" >&2; exit 1; }
done
command -v chromium > /dev/null || { echo "no chromium (scripts/install-deps.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
tags=(
  "--year 1969 --vin 124379N --serial 612345 --style 69-12437 --plant NOR --body 012345 --trim 711 --paint 72 --top 72 --date69 09C --code69 X33"
  "--year 1969 --vin 124379N --serial 614001 --style 69-12437 --plant NOR --body 013900 --trim 713 --paint 10 --top 10 --date69 10B"
  "--year 1969 --vin 124679L --serial 500200 --style 69-12467 --plant LOS --body 002001 --trim 711 --paint 51 --top A --date69 10A"
  "--year 1969 --vin 124379L --serial 500900 --style 69-12437 --plant LOS --body 001200 --trim 712 --paint 76 --top 76 --date69 11C"
  "--year 1968 --vin 124378N --serial 300001 --style 68-12437 --plant NOR --body 000123 --trim 712 --paint R --top R --date 10A"
  "--year 1967 --style 67-12637 --plant NOR --body 065727 --trim 760 --paint R --top R --date 03B"
  "--year 1969 --vin 124379N --serial 612345 --style 69-12437 --plant NOR --body 012345 --trim 711 --paint 10 --top 10 --date69 09C"
)
n=0
for tag in "${tags[@]}"; do
  n=$((n + 1))
  # shellcheck disable=SC2086
  "$OLDPWD/$decode" $tag --save "car$n.txt" > /dev/null 2>&1
done
"$OLDPWD/$decode" --year 1969 --plant '<b>x</b>' --body 000777 --trim '<script>' --save markup.txt > /dev/null 2>&1
"$OLDPWD/$registry" import cars.db . > /dev/null
"$OLDPWD/$registry" report cars.db --html report.html

chromium_run() {
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
    --no-first-run --enable-logging=stderr --v=0 "$@" "file://$work/report.html"
}
chromium_run --dump-dom > dom.html 2> console.txt
fail() { echo "check-report: $*" >&2; exit 1; }
if grep -E 'CONSOLE|Uncaught|Failed to load' console.txt; then fail "the browser reported errors"; fi
[[ $(grep -c '<svg' dom.html) -eq 4 ]] || fail "the page does not hold four charts"
[[ $(grep -c 'role="img"' dom.html) -eq 4 ]] || fail "a chart has no role img"
[[ $(grep -c '<desc id=' dom.html) -eq 4 ]] || fail "a chart has no description"
grep -qi '<script' report.html && fail "the page holds a script element"
grep -qi '&lt;script&gt;' report.html || fail "markup from a code is not escaped"
grep -q 'Daytona Yellow' dom.html || fail "the paint names are missing"
if [[ -n $screenshot ]]; then
  chromium_run --hide-scrollbars --window-size=1100,1500 --screenshot="$screenshot" > /dev/null 2>&1
fi
echo "check-report: the report opens in chromium with its four charts"
