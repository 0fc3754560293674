// SPDX-License-Identifier: MIT
#include "game/HowToPlayText.h"
#include "platform/Resources.h"

#include <QFile>

namespace howto {
namespace {

constexpr int DieSide = 22;

using rules::Category;

// The faces carry the tray's key green in their corners; on the page it
// must not show.
QImage dieFace(int id)
{
    QImage face = QImage(res::bitmap(id)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            if (line[x] == 0xff00ff00)
                line[x] = 0;
        }
    }
    return face.scaled(DieSide, DieSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString diceImages(const rules::DiceValues &dice)
{
    QString html;
    for (const int value : dice)
        html += QStringLiteral("<img src=\"die:%1\">").arg(value);
    return html;
}

QString examplesTable()
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const Example &e : examples()) {
        const QString score = e.points < 0 ? QStringLiteral("zero question")
                                           : QString::number(e.points);
        html += QStringLiteral("<tr><td>%1</td><td width=\"8\"></td><td>%2</td>"
                               "<td width=\"8\"></td><td align=\"right\">%3</td></tr>")
                    .arg(diceImages(e.dice), categoryName(e.category), score);
    }
    return html + QStringLiteral("</table>");
}

} // namespace

const QList<Example> &examples()
{
    static const QList<Example> list = {
        {{5, 2, 5, 1, 5}, Category::Fives, 15},
        {{3, 3, 3, 3, 6}, Category::ThreeOfAKind, 18},
        {{2, 2, 2, 5, 5}, Category::FullHouse, 25},
        {{2, 2, 5, 5, 6}, Category::FullHouse, -1},
        {{1, 2, 3, 4, 6}, Category::SmallStraight, 30},
        {{1, 2, 3, 4, 6}, Category::LargeStraight, -1},
        {{3, 5, 4, 2, 6}, Category::LargeStraight, 40},
        {{4, 4, 4, 4, 4}, Category::Quindle, 50},
        {{4, 4, 4, 4, 4}, Category::FullHouse, -1},
        {{1, 1, 3, 5, 6}, Category::Chance, 16},
    };
    return list;
}

QString categoryName(Category category)
{
    static const char *const names[] = {
        "Aces", "Twos", "Threes", "Fours", "Fives", "Sixes", "3 of a kind", "4 of a kind",
        "Full House", "Small Straight", "Large Straight", "Quindle", "Chance"};
    return QString::fromLatin1(names[int(category) - 1]);
}

QString page()
{
    QFile file(res::howToPlay());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString html = QString::fromUtf8(file.readAll());
    return html.replace(QStringLiteral("{examples}"), examplesTable());
}

QList<QPair<QString, QImage>> pictures()
{
    QList<QPair<QString, QImage>> list;
    for (int face = 1; face <= 6; ++face) {
        list.append({QStringLiteral("die:%1").arg(face), dieFace(1000 + face)});
        list.append({QStringLiteral("held:%1").arg(face), dieFace(1006 + face)});
    }
    // The cup at rest is the first frame of the roll control's strip.
    list.append({QStringLiteral("cup"), QImage(res::bitmap(4)).copy(0, 0, 41, 40)});
    list.append({QStringLiteral("pencil"), QImage(res::cursor(1))});
    list.append({QStringLiteral("check:1"), QImage(res::bitmap(res::checkMarks(1)))});
    return list;
}

} // namespace howto
