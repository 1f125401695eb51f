# Shared by the scripts: the Debian packages the project needs, installed only when missing.
set -euo pipefail

VOREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Build and run.
VOREL_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n fonts-liberation2"
# The Debian package: CPack's dependency search.
VOREL_PACKAGE_PACKAGES="dpkg-dev file"
# Tests: unit tests, the word processors that check our RTF, the X server, a window manager
# and the tools of the end-to-end tests, the keyboard layouts, the accessibility bus and a
# screen reader's view of it, a Wayland compositor and Qt's Wayland plugin, the unprivileged
# user of the file tests, the PDF reader, the package's validators.
VOREL_TEST_PACKAGES="libgtest-dev libgmock-dev pandoc abiword xvfb xauth xdotool x11-utils xclip python3
  openbox x11-xkb-utils dbus-daemon at-spi2-core python3-pyatspi weston qt6-wayland util-linux
  poppler-utils $VOREL_PACKAGE_PACKAGES lintian desktop-file-utils appstream man-db groff-base"
# Continuous integration adds the heaviest word processor, whose check scripts/test skips
# where it is missing.
VOREL_CI_PACKAGES="libreoffice-writer-nogui unzip"

vorel_missing_packages() {
  local missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

# Installs the given packages that are missing; does nothing (and asks nothing) otherwise.
vorel_need_packages() {
  local missing
  missing="$(vorel_missing_packages "$@")"
  [ -z "$missing" ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installation des paquets manquants : $missing" >&2
  $sudo apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# Configures a build folder once, and again only when the options asked for change; later
# runs only build what changed.
vorel_configure() {
  local dir="$1"
  shift
  local asked="$*"
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/.vorel-options" 2>/dev/null)" != "$asked" ]; then
    cmake -S "$VOREL_ROOT" -B "$dir" -G Ninja "$@"
    printf '%s' "$asked" > "$dir/.vorel-options"
  fi
}

vorel_jobs() { nproc 2>/dev/null || echo 2; }
