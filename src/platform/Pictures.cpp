// SPDX-License-Identifier: MIT
#include "platform/Resources.h"

#include <QHash>

namespace res {

QImage picture(const QString &path)
{
    static QHash<QString, QImage> decoded;
    const auto found = decoded.constFind(path);
    if (found != decoded.constEnd())
        return *found;
    QImage image(path);
    if (!image.isNull()) {
        image = image.convertToFormat(image.hasAlphaChannel()
                                          ? QImage::Format_ARGB32_Premultiplied
                                          : QImage::Format_RGB32);
    }
    decoded.insert(path, image);
    return image;
}

} // namespace res
