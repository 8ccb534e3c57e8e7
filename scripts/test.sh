#!/bin/sh
# Installs what is missing, builds Formlark and its tests and runs the whole
# test suite (the benchmarks once each at a small size among them).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
FORMLARK_WERROR=ON ./scripts/build.sh --target all formlark_tests
cd build
# Built just now: ctest need not bring the tests up to date first.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" \
    --exclude-regex '^formlark_tests_built$' --fixture-exclude-setup formlark_tests_built
