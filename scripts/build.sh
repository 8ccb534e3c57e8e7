#!/bin/sh
# Configures and builds Formlark in ./build (program in ./build/bin).
# FORMLARK_WERROR=ON makes every compiler warning an error (the test command
# sets it); left unset, the build keeps what it was configured with.
# Arguments go to "cmake --build" (the test command adds the tests' target).
set -eu
cd "$(dirname "$0")/.."
werror=""
if [ -n "${FORMLARK_WERROR:-}" ]; then
    werror="-DFORMLARK_WERROR=${FORMLARK_WERROR}"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $werror >/dev/null
cmake --build build --parallel "$(nproc)" "$@"
