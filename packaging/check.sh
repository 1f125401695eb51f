#!/bin/sh
# Validates the files that the Debian package installs for the desktop: the menu entry, the
# AppStream metadata, the manual pages, the icons, the copyright file and the changelog.
# Needs no network.
#
# Usage: sh packaging/check.sh [--root DIR] [VERSION]
#   Without --root, checks the files in packaging/, the templates filled as CMake's
#   configure_file(... @ONLY) fills them. With --root, checks the installed files under DIR
#   (a package extracted with dpkg-deb -x, or a DESTDIR of `cmake --install`).
#   VERSION defaults to the one in CMakeLists.txt's project(Vorel VERSION ...).
# Exit status: 0 when everything passes, 1 when a check fails, 77 when a validator is not
# installed (usable as a ctest SKIP_RETURN_CODE). The validators come from the Debian
# packages desktop-file-utils, appstream, man-db, groff-base and dpkg-dev.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
source="$(cd "$here/.." && pwd)"

tree=""
if [ "${1:-}" = "--root" ]; then
  [ -d "${2:-}" ] || { echo "check.sh: --root needs a folder" >&2; exit 1; }
  tree="$(cd "$2" && pwd)"
  shift 2
fi

for tool in desktop-file-validate appstreamcli man groff lexgrog dpkg-parsechangelog; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "check.sh: $tool is missing (Debian packages desktop-file-utils, appstream, man-db, groff-base, dpkg-dev)" >&2
    exit 77
  fi
done

version="${1:-}"
if [ -z "$version" ]; then
  version="$(sed -n 's/^project(Vorel VERSION \([0-9][0-9.]*\).*/\1/p' "$source/CMakeLists.txt" | head -n 1)"
fi
if [ -z "$version" ]; then
  echo "check.sh: no version given and none found in CMakeLists.txt" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
fill() { sed "s/@PROJECT_VERSION@/$version/g" "$1" > "$2"; }

# Gather the files to check into $work (filled templates, unzipped pages) or name them in
# the installed tree.
mkdir -p "$work/man"
if [ -z "$tree" ]; then
  desktop="$here/vorel.desktop"
  for template in "$here"/*.metainfo.xml.in; do fill "$template" "$work/$(basename "$template" .in)"; done
  for template in "$here"/*.1.in; do fill "$template" "$work/man/$(basename "$template" .in)"; done
  fill "$here/changelog.in" "$work/changelog"
  icons="$here/icons/hicolor"
  copyright="$here/copyright"
else
  desktop="$tree/usr/share/applications/vorel.desktop"
  for file in "$tree"/usr/share/metainfo/*.metainfo.xml; do
    [ -f "$file" ] && cp "$file" "$work/"
  done
  for page in vorel vorel-report; do
    gzipped="$tree/usr/share/man/man1/$page.1.gz"
    if [ -f "$gzipped" ]; then
      gzip -dc "$gzipped" > "$work/man/$page.1"
    else
      fail "usr/share/man/man1/$page.1.gz is missing"
    fi
  done
  if [ -f "$tree/usr/share/doc/vorel/changelog.gz" ]; then
    gzip -dc "$tree/usr/share/doc/vorel/changelog.gz" > "$work/changelog"
  else
    fail "usr/share/doc/vorel/changelog.gz is missing"
  fi
  icons="$tree/usr/share/icons/hicolor"
  copyright="$tree/usr/share/doc/vorel/copyright"
  for program in vorel vorel-report; do
    [ -x "$tree/usr/bin/$program" ] || fail "usr/bin/$program is missing"
  done
  [ -f "$tree/usr/share/vorel/VOREL.HLP" ] || fail "usr/share/vorel/VOREL.HLP is missing"
fi

# 1. The menu entry: no error and no warning (hints are shown, not counted).
if [ ! -f "$desktop" ]; then
  fail "the menu entry vorel.desktop is missing"
else
  out="$(desktop-file-validate "$desktop" 2>&1)"
  status=$?
  [ -n "$out" ] && echo "$out"
  if [ $status -ne 0 ] || echo "$out" | grep -q -E ': (error|warning):'; then
    fail "desktop-file-validate vorel.desktop"
  else
    pass "desktop-file-validate vorel.desktop"
  fi
  grep -q '^Exec=vorel$' "$desktop" || fail "vorel.desktop: Exec is not vorel"
  grep -q '^Icon=vorel$' "$desktop" || fail "vorel.desktop: Icon is not vorel"
fi

# 2. The AppStream metadata; its file name is its component id.
found=0
for file in "$work"/*.metainfo.xml; do
  [ -f "$file" ] || continue
  found=1
  name="$(basename "$file")"
  id="${name%.metainfo.xml}"
  if grep -q '@[A-Z_]*@' "$file"; then fail "$name: a @VARIABLE@ is left unfilled"; fi
  grep -q "<id>$id</id>" "$file" || fail "$name: the file name is not the component id"
  grep -q "<release version=\"$version\"" "$file" || fail "$name: no release $version"
  grep -q '<launchable type="desktop-id">vorel.desktop</launchable>' "$file" ||
    fail "$name: the launchable is not vorel.desktop"
  if appstreamcli validate --no-net "$file"; then
    pass "appstreamcli validate --no-net $name"
  else
    fail "appstreamcli validate --no-net $name"
  fi
done
[ $found -eq 1 ] || fail "no AppStream metadata (*.metainfo.xml)"
if [ -n "$tree" ]; then
  # The installed tree as a whole: the metadata, its menu entry and its icon together.
  if appstreamcli validate-tree --no-net "$tree"; then
    pass "appstreamcli validate-tree --no-net"
  else
    fail "appstreamcli validate-tree --no-net"
  fi
fi

# 3. The manual pages: no warning from man (run as lintian runs it), none from groff with
#    every warning on, and a whatis line that lexgrog can read.
for page in "$work"/man/*.1; do
  [ -f "$page" ] || continue
  name="$(basename "$page")"
  if grep -q '@[A-Z_]*@' "$page"; then fail "$name: a @VARIABLE@ is left unfilled"; fi
  grep -q "^\.TH .* \"Vorel $version\"" "$page" || fail "$name: the .TH line does not name Vorel $version"
  out="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  if [ -n "$out" ]; then echo "$out"; fail "man --warnings -l $name"; else pass "man --warnings -l $name"; fi
  # -k: the page is UTF-8 and goes through preconv, as man sends it.
  out="$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$page" 2>&1)"
  if [ -n "$out" ]; then echo "$out"; fail "groff -ww $name"; else pass "groff -k -man -Tutf8 -ww $name"; fi
  if lexgrog "$page" >/dev/null 2>&1; then pass "lexgrog $name"; else fail "lexgrog: no whatis line in $name"; fi
done

# 4. The icons: every usual size at its size, and the scalable drawing as in resources/art.
before=$failures
for size in 16 22 24 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/vorel.png"
  if [ ! -f "$png" ]; then fail "icon ${size}x${size} is missing"; continue; fi
  # The PNG header: width and height are the big-endian words at bytes 16 and 20.
  dims="$(od -A n -t u1 -j 16 -N 8 "$png" | tr -s ' ' | sed 's/^ //; s/ $//')"
  expected="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$expected" ] || fail "icon ${size}x${size} has another size ($dims)"
done
cmp -s "$icons/scalable/apps/vorel.svg" "$source/resources/art/icon.svg" ||
  fail "icons: scalable/apps/vorel.svg differs from resources/art/icon.svg (run packaging/icons/render.sh)"
[ $failures -eq "$before" ] && pass "icons (8 sizes and the SVG)"

# 5. The copyright file: machine-readable format, every license named has its text, and
#    the license is the one the AppStream metadata gives.
before=$failures
if [ ! -f "$copyright" ]; then
  fail "the copyright file is missing"
else
  head -n 1 "$copyright" |
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "copyright: the first line is not the machine-readable Format line"
  for license in $(sed -n 's/^License: \([^ ]*\)$/\1/p' "$copyright" | sort -u); do
    grep -A 1 "^License: $license\$" "$copyright" | grep -q '^ ' ||
      fail "copyright: no text for the license $license"
  done
  for file in "$work"/*.metainfo.xml; do
    [ -f "$file" ] || continue
    project_license="$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$file")"
    grep -q "^License: $project_license\$" "$copyright" ||
      fail "copyright: the AppStream project_license $project_license is not the package's"
  done
fi
[ $failures -eq "$before" ] && pass "copyright"

# 6. The changelog: it parses, and its newest entry is this version.
if [ -f "$work/changelog" ]; then
  top="$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>/dev/null)"
  if [ "$top" = "$version" ]; then pass "changelog $version"; else fail "changelog: newest entry '$top', not $version"; fi
fi

if [ $failures -ne 0 ]; then
  echo "check.sh: $failures check(s) failed" >&2
  exit 1
fi
echo "check.sh: every packaging file passes (version $version)"
