#!/bin/sh
# SPDX-License-Identifier: MIT
set -e
cd "$(dirname "$0")/.."
sh tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
