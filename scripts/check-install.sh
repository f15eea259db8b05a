#!/usr/bin/env bash
# Checks what a built build folder installs and packages:
#   - `cmake --install` into a DESTDIR lays out exactly packaging/installed-files.txt;
#   - the desktop entry passes desktop-file-validate, the AppStream metadata
#     appstreamcli validate --no-net without errors or warnings, and both use
#     the one application id;
#   - the AppStream metadata names every screenshot of docs/screenshots;
#   - the decode file's MIME type installs into a scratch MIME database, where
#     a decode file written by vexlor-decode has that type and another .txt
#     file stays text/plain; the desktop entry and AppStream list the type;
#   - the man pages render without warnings, vexlor-decode.1 names every
#     option of `vexlor-decode --help` and no option the program does not know;
#   - each bash completion offers the options and commands of its program's
#     --help, the years and file names;
#   - `cpack -G DEB` makes a package whose contents are the same list, with
#     its dependencies computed; lintian (all tags shown) finds no error and no
#     hardening tag in it; packing it again gives the same bytes.
# Usage: scripts/check-install.sh BUILD_DIR   (configured with the desktop program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: scripts/check-install.sh BUILD_DIR}" && pwd)
list=$root/packaging/installed-files.txt
work=$(mktemp -d)
# The build folder's install_manifest.txt is what undoes a real install; the
# installs here overwrite it, so it is put back at the end.
manifest=$build/install_manifest.txt
[[ ! -f $manifest ]] || cp "$manifest" "$work/manifest"
finish() {
  if [[ -f $work/manifest ]]; then mv "$work/manifest" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap finish EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The list without comments; "install" leaves out the lines marked (deb).
expected_files() {
  grep -v -e '^#' -e '^$' "$list" | if [[ $1 == install ]]; then grep -v ' (deb)$'; else sed 's/ (deb)$//'; fi
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
app_id=$(sed -n 's|^share/applications/\(.*\)\.desktop$|\1|p' "$list")

echo "== install into a DESTDIR =="
dest=$work/dest
DESTDIR=$dest cmake --install "$build" --prefix /usr >"$work/install.log"
usr=$dest/usr
outside=$(find "$dest" -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z $outside ]] || fail "installed outside the prefix: $outside"
(cd "$usr" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort) >"$work/installed.txt"
diff -u <(expected_files install | LC_ALL=C sort) "$work/installed.txt" ||
  fail "the installed files differ from packaging/installed-files.txt (- expected, + installed)"
cat "$work/installed.txt"

echo "== desktop entry and AppStream metadata ($app_id) =="
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
out=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $out ]] || fail "desktop-file-validate: $out"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon is not $app_id"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate failed"
echo "$out"
! grep -qE '^[EW]:' <<<"$out" || fail "appstreamcli reports errors or warnings"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the AppStream id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the AppStream metadata does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream metadata has no release $version"
# Every picture of what the package installs; the web edition's pages are not in it.
for shot in "$root"/docs/screenshots/*.png; do
  [[ $(basename "$shot") == web-* ]] && continue
  grep -qE "<image>https?://[^<]*/$(basename "$shot")</image>" "$metainfo" ||
    fail "the AppStream metadata does not show $(basename "$shot")"
done

echo "== the decode file's MIME type =="
mime_package=$usr/share/mime/packages/$app_id.xml
xmllint --noout "$mime_package" || fail "$mime_package is not well-formed XML"
mime_types=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_package")
grep -qx "MimeType=$(printf '%s;' $mime_types)" "$desktop" || fail "the desktop entry does not list $mime_types"
grep -qx 'Exec=vexlor %f' "$desktop" || fail "the desktop entry does not hand vexlor a file"
for type in $mime_types; do
  grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the AppStream metadata does not provide $type"
done
# A scratch MIME database with this type, looked up beside the system's.
mkdir -p "$work/mime-root/mime/packages" "$work/mime-home" "$work/files"
cp "$mime_package" "$work/mime-root/mime/packages/"
out=$(XDG_DATA_DIRS=$work/mime-root:/usr/share update-mime-database "$work/mime-root/mime" 2>&1)
[[ -z $out ]] || fail "update-mime-database: $out"
"$usr/bin/vexlor-decode" --sample --save "$work/files/sample.txt" >/dev/null
sed 's/\r$//' "$work/files/sample.txt" >"$work/files/mailed.txt"
printf 'Notes on the car\r\nPlease do not change the top two lines of this file.\r\n' >"$work/files/notes.txt"
for file in sample.txt:"$mime_types" mailed.txt:"$mime_types" notes.txt:text/plain; do
  type=$(XDG_DATA_DIRS=$work/mime-root:/usr/share XDG_DATA_HOME=$work/mime-home \
    gio info -a standard::content-type "$work/files/${file%%:*}" | sed -n 's/^ *standard::content-type: //p')
  echo "${file%%:*}: $type"
  [[ $type == "${file#*:}" ]] || fail "${file%%:*} has the type $type, not ${file#*:}"
done

# The options of --help: every --word on a line that begins with an option.
decode=$usr/bin/vexlor-decode
help_options=$("$decode" --help | grep -E '^  --' | grep -oE -- '--[a-z0-9][a-z0-9-]*' | sort -u)
[[ -n $help_options ]] || fail "vexlor-decode --help lists no options"

# True for an option that vexlor-decode knows; run in an empty folder, so
# that nothing can be saved where it matters.
mkdir "$work/empty"
known_option() {
  (cd "$work/empty" && "$decode" "$1" </dev/null >/dev/null 2>"$work/stderr") || true
  ! grep -q "unknown option" "$work/stderr"
}

# Checks that a list of options holds every option of --help and only known ones.
check_options() {
  local what=$1 options=$2 option
  for option in $help_options; do
    grep -qx -- "$option" <<<"$options" || fail "$what lacks $option"
  done
  for option in $options; do
    known_option "$option" || fail "$what names $option, which vexlor-decode does not know"
  done
}

echo "== man pages =="
for page in "$usr"/share/man/man1/*.1.gz; do
  out=$(zcat "$page" | groff -man -ww -z 2>&1)
  [[ -z $out ]] || fail "$(basename "$page") renders with warnings: $out"
done
# Rendered wide and unhyphenated, so that no option is broken over two lines.
man_text=$(zcat "$usr/share/man/man1/vexlor-decode.1.gz" | groff -man -Tascii -rLL=1000n -rHY=0 -P-cbou 2>/dev/null)
check_options "vexlor-decode.1" "$(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$man_text" | sort -u)"

echo "== bash completion =="
# Prints what the completion of PROGRAM offers for the words given, the last one being completed.
complete_words() {
  bash -c 'source "$1"; shift
    function=$(complete -p "$1" | sed -n "s/.* -F \([^ ]*\) .*/\1/p")
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=()
    "$function"; printf "%s\n" "${COMPREPLY[@]}"' _ "$usr/share/bash-completion/completions/$1" "$@"
}
check_options "the completion" "$(complete_words vexlor-decode -- | sort -u)"
years=$(complete_words vexlor-decode --year "" | tr '\n' ' ')
[[ $years == "1967 67 1968 68 1969 69 " ]] || fail "the completion offers '$years' after --year"
touch "$work/empty/tag one.txt"
for option in --save --read --batch; do
  offered=$(cd "$work/empty" && complete_words vexlor-decode "$option" ta)
  [[ $offered == "tag one.txt" ]] || fail "the completion offers '$offered' for a file after $option"
done

# vexlor-registry: the commands of --help (each line "  COMMAND DB ..."), and
# for each the options on its line or indented under it, besides the ones of
# "Other options" that go with every command.
declare -A command_options=()
general_options= command=
while IFS= read -r line; do
  options=$(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$line" | tr '\n' ' ') || true
  if [[ $line =~ ^\ \ ([a-z]+)\ DB ]]; then
    command=${BASH_REMATCH[1]}
    command_options[$command]+=" $options"
  elif [[ $line =~ ^\ {4,}-- && -n $command ]]; then
    command_options[$command]+=" $options"
  elif [[ $line =~ ^\ \ -- ]]; then
    general_options+=" $options"
  fi
done < <("$usr/bin/vexlor-registry" --help)
words() { tr ' ' '\n' <<<"$*" | grep -v '^$' | LC_ALL=C sort -u; }
commands=$(words "${!command_options[@]}")
[[ -n $commands && -n $general_options ]] || fail "vexlor-registry --help lists no commands or options"
offered=$(complete_words vexlor-registry "" | LC_ALL=C sort -u)
[[ $offered == "$commands" ]] || fail "the registry completion offers the commands '$offered', --help lists '$commands'"
for command in $commands; do
  expected=$(words "${command_options[$command]} $general_options")
  offered=$(complete_words vexlor-registry "$command" cars.db -- | LC_ALL=C sort -u)
  [[ $offered == "$expected" ]] ||
    fail "the registry completion offers '$offered' for $command, --help lists '$expected'"
done
years=$(complete_words vexlor-registry list cars.db --year "" | tr '\n' ' ')
[[ $years == "1967 67 1968 68 1969 69 " ]] || fail "the registry completion offers '$years' after --year"
offered=$(cd "$work/empty" && complete_words vexlor-registry import cars.db "tag one.txt" ta)
[[ $offered == "tag one.txt" ]] || fail "the registry completion offers '$offered' for a file to import"

echo "== Debian package =="
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  fail "cpack -G DEB failed"
}
deb=$build/vexlor_${version}-1_$(dpkg --print-architecture).deb
if [[ -f $deb ]]; then
  dpkg-deb --info "$deb"
  dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort >"$work/deb.txt"
  diff -u <(expected_files deb | LC_ALL=C sort) "$work/deb.txt" ||
    fail "the package's files differ from packaging/installed-files.txt (- expected, + packaged)"
  dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
  mkdir "$work/deb" && dpkg-deb --extract "$deb" "$work/deb"
  changelog_version=$(dpkg-parsechangelog -l "$work/deb/usr/share/doc/vexlor/changelog.Debian.gz" -S Version)
  [[ $changelog_version == "$(dpkg-deb --field "$deb" Version)" ]] ||
    fail "packaging/changelog.Debian.in has no entry for $(dpkg-deb --field "$deb" Version)"
  # Not an upload to Debian's archive: there is no ITP bug to close.
  out=$(lintian --display-info --pedantic --suppress-tags initial-upload-closes-no-bugs "$deb" 2>&1) || fail "lintian reports errors"
  echo "lintian: ${out:-no tags}"
  ! grep -q ' hardening-' <<<"$out" || fail "the programs are built without Debian's hardening flags"
  echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

  # Packed again, later, the package must not change.
  mv "$deb" "$work/first.deb"
  (cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || fail "cpack -G DEB failed the second time"
  cmp "$work/first.deb" "$deb" && echo "packed twice: the same bytes" || fail "two packings differ"
else
  fail "cpack made no $(basename "$deb")"
fi

if ((failures > 0)); then
  echo "check-install: $failures checks failed" >&2
  exit 1
fi
echo "check-install: all checks passed"
