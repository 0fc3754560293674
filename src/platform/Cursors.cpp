// SPDX-License-Identifier: MIT
#include "platform/Cursors.h"
#include "platform/Resources.h"

#include <QHash>
#include <QPixmap>

namespace platform {
namespace {
QHash<int, QCursor> &registry()
{
    static QHash<int, QCursor> cursors;
    return cursors;
}

QCursor fromResource(int resource, int hotX, int hotY, Qt::CursorShape fallback)
{
    const QPixmap picture(res::cursor(resource));
    return picture.isNull() ? QCursor(fallback) : QCursor(picture, hotX, hotY);
}
} // namespace

void registerScreenCursors()
{
    if (!registry().isEmpty())
        return;
    registry().insert(PencilCursor, fromResource(1, 5, 27, Qt::CrossCursor));
    registry().insert(HandCursor, fromResource(2, 15, 15, Qt::ClosedHandCursor));
}

QCursor screenCursor(int id)
{
    registerScreenCursors();
    return registry().value(id, QCursor(Qt::ArrowCursor));
}
} // namespace platform
