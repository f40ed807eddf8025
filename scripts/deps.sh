#!/usr/bin/env bash
# Installs the Debian 12 packages Haulmetry needs (only what is missing), by purpose:
#   scripts/deps.sh run       build the programs and run them
#   scripts/deps.sh [test]    also build and run every test, the sanitizer and fuzz builds
#   scripts/deps.sh package   run, plus build the .deb and check it as installed
set -euo pipefail
purpose=${1:-test}
run=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core libqt6sql6-sqlite libqt6sql6-psql libssl-dev libsqlite3-dev libpq-dev
    libxlsxwriter-dev
)
test=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev clang-tidy
    xvfb xauth x11-utils x11-xkb-utils openbox xdotool xclip imagemagick poppler-utils qpdf fonts-urw-base35
    python3 util-linux locales
    at-spi2-core python3-pyatspi dbus-bin dbus-daemon qt6-gtk-platformtheme
    postgresql sqlite3 openssl python3-openpyxl libreoffice-calc
)
package=(
    dpkg-dev file lintian desktop-file-utils appstream shared-mime-info xdg-utils
    libfile-mimeinfo-perl man-db python3 binutils xvfb x11-utils openbox xdotool poppler-utils
)
case $purpose in
    run) packages=("${run[@]}") ;;
    test) packages=("${run[@]}" "${test[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    *) echo "usage: scripts/deps.sh [run|test|package]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
