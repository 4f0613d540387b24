#!/usr/bin/env bash
# Installs what the build needs, builds the program and starts it from the
# build folder, where its data files lie beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -Wno-dev
cmake --build build --parallel "$(nproc)" --target qvk qvk-calc
exec build/qvk/qvk "$@"
