#!/bin/sh
# Installs what is missing, builds Formlark and starts it. The first start
# opens the bundled "Sample Company".
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
formlark: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set),
so the window can't be shown. To run it on a virtual display:

    xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/formlark

Printing works without any display:

    ./build/bin/formlark print --company "Sample Company" --form w2 --all --pdf w2.pdf
MSG
    exit 2
fi
exec ./build/bin/formlark "$@"
