#!/bin/sh
# SPDX-License-Identifier: MIT
set -e
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 "$@"
