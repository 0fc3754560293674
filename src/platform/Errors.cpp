// SPDX-License-Identifier: MIT
#include "platform/Errors.h"

int strToInt(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw QuindleError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}
