#!/usr/bin/env bash
# Installs what the build needs, checks the formatting, builds everything and
# runs every test; makes the Debian package of the tested build and checks it
# (lintian, desktop-file-validate, appstreamcli); then
# builds the whole suite again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it once more, window tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/check-format.sh
jobs=$(nproc)
# the window tests draw on Qt's off-screen platform: no display needed
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVK_BUILD_TESTS=ON -Wno-dev
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs"
bash tools/package.sh build

sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVK_BUILD_TESTS=ON -Wno-dev \
  -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-sanitizers --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitizers --output-on-failure --parallel "$jobs"
