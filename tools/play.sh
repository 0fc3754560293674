#!/bin/sh
# SPDX-License-Identifier: MIT
set -e
cd "$(dirname "$0")/.."
sh tools/build.sh --target quindle
exec ./build/quindle "$@"
