#!/bin/sh
# Installs the Debian 12 packages Formlark needs to build, run and test, and
# to check and package the installed program (validators of its desktop
# files, the manual page formatter, dpkg-shlibdeps and file for "cpack -G DEB")
# and to check the sources' format.
# Only missing packages are installed; apt-get runs as root, or through sudo.
set -eu

PACKAGES="cmake g++ make pkg-config
qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
libsqlite3-dev sqlite3
fonts-liberation2 poppler-utils xvfb xauth
desktop-file-utils appstream groff-base dpkg-dev file
clang-format git"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        SUDO=""
    elif command -v sudo >/dev/null 2>&1; then
        SUDO="sudo"
    else
        echo "formlark: these packages are missing and neither root nor sudo is available:$missing" >&2
        exit 1
    fi
    echo "formlark: installing$missing"
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi
