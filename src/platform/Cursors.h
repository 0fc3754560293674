// SPDX-License-Identifier: MIT
#pragma once
#include <QCursor>

namespace platform {
// The program's numbered screen cursors: 25 is the pencil of the scorecards,
// 26 the closed hand of the roll control.
enum ScreenCursor { PencilCursor = 25, HandCursor = 26 };
void registerScreenCursors();
QCursor screenCursor(int id);
}
