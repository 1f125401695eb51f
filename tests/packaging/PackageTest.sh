#!/bin/sh
# The Debian package as a user gets it: built by scripts/package, extracted with dpkg-deb
# into a temporary folder, its files validated, both programs run from there, lintian on it.
# Exit status 77 (skipped) where a tool is missing; scripts/test installs them all.
# Usage: PackageTest.sh SOURCE_DIR
set -eu
source="$1"
for tool in dpkg-deb dpkg-buildflags dpkg-shlibdeps file lintian pdfinfo timeout; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is missing (scripts/test installs it with the test packages)"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

VOREL_PACKAGE_DIR="$work/dist" "$source/scripts/package" >"$work/path" || fail "scripts/package"
deb="$(tail -n 1 "$work/path")"
[ -f "$deb" ] || fail "scripts/package printed '$deb', not a package"
version="$(sed -n 's/^project(Vorel VERSION \([0-9][0-9.]*\).*/\1/p' "$source/CMakeLists.txt")"
case "$(basename "$deb")" in
  "vorel_${version}_$(dpkg --print-architecture).deb") ;;
  *) fail "the package is named $(basename "$deb")" ;;
esac

# Dependencies: the libraries the programs link, found by dpkg-shlibdeps, and the fonts.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in fonts-liberation2 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6; do
  echo "$depends" | grep -q "\\b$needed\\b" || fail "Depends lacks $needed"
done

dpkg-deb -x "$deb" "$work/root"
root="$work/root"
status=0
sh "$source/packaging/check.sh" --root "$root" "$version" || status=$?
[ $status -eq 77 ] && { echo "skipped: a validator of packaging/check.sh is missing"; exit 77; }
[ $status -eq 0 ] || fail "packaging/check.sh --root"

# Both programs from the extracted tree, with a home of their own and no display.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
unset DISPLAY WAYLAND_DISPLAY
"$root/usr/bin/vorel-report" --help >"$work/help" || fail "vorel-report --help"
for option in --pdf --import --export -- ; do
  grep -q -e "  $option " "$work/help" || fail "vorel-report --help does not describe $option"
done
"$root/usr/bin/vorel-report" "Martin Paul Henri" 14/03/1962 --pdf "$work/m.pdf" ||
  fail "vorel-report --pdf"
pdfinfo "$work/m.pdf" | grep -q '^Title: *MARTIN PAUL HENRI (.* 14 .* 1962 - Poissons)$' || fail "the PDF's title"
printf 'nom;date\r\nDupré Hélène;02/11/1975\r\n' >"$work/in.csv"
"$root/usr/bin/vorel-report" --import "$work/in.csv" --register "$work/VOREL.DAT" ||
  fail "vorel-report --import"
"$root/usr/bin/vorel-report" --export "$work/out.csv" --register "$work/VOREL.DAT" ||
  fail "vorel-report --export"
grep -q 'DUPRE HELENE;02/11/1975' "$work/out.csv" || fail "the exported persons"

# The desktop program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/vorel" || status=$?
[ $status -eq 124 ] || fail "vorel ended by itself with status $status"

# No lintian error; the warnings and infos are shown.
lintian --fail-on error --display-info "$deb" || fail "lintian reports an error"
echo "the package passes: $(basename "$deb")"
