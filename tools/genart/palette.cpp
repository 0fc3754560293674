// SPDX-License-Identifier: MIT
// 8-bit palette pictures: a median-cut reduction that keeps chosen colours
// exact, because the program keys on them.

#include "common.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

struct Entry {
    QRgb colour;
    int count;
};

// One box of the median cut: a run of `entries`.
struct Box {
    int begin, end;
    int range(const QVector<Entry> &e, int *channel) const
    {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        for (int i = begin; i < end; ++i) {
            const int c[3] = {qRed(e[i].colour), qGreen(e[i].colour), qBlue(e[i].colour)};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c[k]);
                hi[k] = std::max(hi[k], c[k]);
            }
        }
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[best] - lo[best])
                best = k;
        *channel = best;
        return hi[best] - lo[best];
    }
};

int channelOf(QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); }

QVector<QRgb> medianCut(QVector<Entry> entries, int target)
{
    QVector<Box> boxes{{0, int(entries.size())}};
    while (boxes.size() < target) {
        // Split the box whose colours spread furthest, weighted by how
        // many pixels it covers, so that large smooth areas stay smooth.
        int pick = -1, channel = 0;
        double score = 0;
        for (int b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2)
                continue;
            int ch;
            const int r = boxes[b].range(entries, &ch);
            long pixels = 0;
            for (int i = boxes[b].begin; i < boxes[b].end; ++i)
                pixels += entries[i].count;
            const double s = double(r) * std::sqrt(double(pixels));
            if (r > 0 && s > score) {
                score = s;
                pick = b;
                channel = ch;
            }
        }
        if (pick < 0)
            break;
        Box &box = boxes[pick];
        std::sort(entries.begin() + box.begin, entries.begin() + box.end,
                  [channel](const Entry &a, const Entry &b) {
                      return channelOf(a.colour, channel) < channelOf(b.colour, channel);
                  });
        long total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += entries[i].count;
        long run = 0;
        int mid = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            run += entries[i].count;
            mid = i + 1;
            if (run * 2 >= total)
                break;
        }
        const Box second{mid, box.end};
        box.end = mid;
        boxes.append(second);
    }
    QVector<QRgb> palette;
    for (const Box &b : boxes) {
        double sum[3] = {0, 0, 0};
        long n = 0;
        for (int i = b.begin; i < b.end; ++i) {
            for (int k = 0; k < 3; ++k)
                sum[k] += double(channelOf(entries[i].colour, k)) * entries[i].count;
            n += entries[i].count;
        }
        palette.append(qRgb(int(std::lround(sum[0] / n)), int(std::lround(sum[1] / n)),
                            int(std::lround(sum[2] / n))));
    }
    return palette;
}

} // namespace

QImage toIndexed(const QImage &image, const QVector<QRgb> &exact, int maxColours)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[rgb.pixel(x, y) | 0xff000000u];

    QVector<QRgb> palette;
    for (QRgb c : exact)
        palette.append(c | 0xff000000u);
    QVector<Entry> rest;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (!palette.contains(it.key()))
            rest.append({it.key(), it.value()});
    // Sorting first keeps the result independent of hash order.
    std::sort(rest.begin(), rest.end(), [](const Entry &a, const Entry &b) {
        return a.colour < b.colour;
    });
    const int room = maxColours - int(palette.size());
    if (rest.size() <= room) {
        for (const Entry &e : rest)
            palette.append(e.colour);
    } else {
        palette += medianCut(rest, room);
    }

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        uchar *line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000u;
            auto found = nearest.constFind(c);
            if (found == nearest.cend()) {
                int best = 0;
                long bestDistance = -1;
                for (int i = 0; i < palette.size(); ++i) {
                    const long dr = qRed(c) - qRed(palette[i]);
                    const long dg = qGreen(c) - qGreen(palette[i]);
                    const long db = qBlue(c) - qBlue(palette[i]);
                    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (bestDistance < 0 || d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                found = nearest.insert(c, best);
            }
            line[x] = uchar(found.value());
        }
    }
    return out;
}

void saveIndexed(const QImage &image, const QString &relative, QSize expected,
                 const QVector<QRgb> &exact, int maxColours)
{
    const QImage indexed = toIndexed(image, exact, maxColours);
    // A key colour that moved would break whoever looks for it.
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb want = source.pixel(x, y) | 0xff000000u;
            if (exact.contains(want) && indexed.pixel(x, y) != want) {
                fail(QStringLiteral("%1: pixel %2,%3 lost its exact colour").arg(relative)
                         .arg(x).arg(y));
                return;
            }
        }
    savePng(indexed, relative, expected);
}

} // namespace art
