#!/bin/sh
# SPDX-License-Identifier: MIT
# Prints the time from process start to the main window being shown, and the
# resident memory then, as the program itself measures them.
set -e
exe="$1"
for i in 1 2 3 4 5; do
  QUINDLE_STARTUP_REPORT=1 "$exe"
done
