#!/bin/sh
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (a Debug build in ./build-asan) and runs them. With a layer's name (core,
# render, gui or app), only that layer's test program is built and run.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFORMLARK_SANITIZE=ON -DFORMLARK_WERROR=ON >/dev/null
if [ $# -eq 0 ]; then
    cmake --build build-asan --parallel "$(nproc)" --target all formlark_tests
    cd build-asan
    ctest --output-on-failure --parallel "$(nproc)"
else
    cmake --build build-asan --parallel "$(nproc)" --target "formlark_$1_tests"
    cd build-asan
    # Only that program: ctest would otherwise build every test first.
    ctest --output-on-failure --parallel "$(nproc)" --label-regex "^$1\$" --fixture-exclude-any formlark_tests_built
fi
