#!/bin/sh
# Installs what is missing, builds Formlark and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
FORMLARK_WERROR=ON ./scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
