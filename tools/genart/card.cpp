// SPDX-License-Identifier: MIT
// Scorecard artwork: the title, the column heading, the row labels of both
// sections and the check marks of the bonus boxes. Each is drawn twice from
// the same code: in screen pixels, and LargeScale times larger for printing,
// where a screen pixel would show as a blurred square.

#include "common.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>

namespace art {

namespace {

const QColor Rule(192, 192, 192);
const QColor Hint(72, 72, 72);
const QColor Label(16, 16, 16);

struct Band {
    int top, bottom;   // inclusive rows
    int rule;          // thickness of the grey rule along the top, 0 for none
};

// A white canvas of w x h screen pixels, `scale` device pixels to each.
void scaledCanvas(QPainter &p, QImage &img, int w, int h, int scale)
{
    img = canvas(w * scale, h * scale, Qt::white);
    p.begin(&img);
    prepare(p);
    p.scale(scale, scale);
}

QString cardPath(const QString &name, int scale)
{
    return scale == 1 ? QStringLiteral("bitmaps/%1.png").arg(name)
                      : QStringLiteral("bitmaps/large/%1.png").arg(name);
}

void saveCard(QPainter &p, const QImage &img, const QString &name, QSize size, int scale)
{
    p.end();
    savePng(img.convertToFormat(QImage::Format_RGB32), cardPath(name, scale), size * scale);
}

// The largest font (down to `smallest`) in which `text` fits `width`.
QFont fitted(const QString &text, qreal width, qreal size, qreal smallest, bool bold)
{
    for (qreal s = size; s > smallest; s -= 0.5) {
        const QFont f = sans(s, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return f;
    }
    return sans(smallest, bold);
}

// Baseline that centres capital letters in the band's free rows.
qreal baselineIn(const Band &b, const QFont &font)
{
    const qreal top = b.top + b.rule, bottom = b.bottom + 1;
    return std::round((top + bottom) / 2 + QFontMetricsF(font).capHeight() / 2);
}

void drawRules(QPainter &p, const QVector<Band> &bands, int width)
{
    for (const Band &b : bands)
        if (b.rule > 0)
            p.fillRect(QRect(0, b.top, width, b.rule), Rule);
}

void text(QPainter &p, qreal x, qreal baseline, const QFont &font, const QColor &colour,
          const QString &s)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, baseline), s);
}

void rightText(QPainter &p, qreal right, qreal baseline, const QFont &font,
               const QColor &colour, const QString &s)
{
    text(p, right - QFontMetricsF(font).horizontalAdvance(s), baseline, font, colour, s);
}

// The arrow that points a total's label at its score boxes.
void arrow(QPainter &p, qreal x0, qreal x1, qreal y)
{
    QPainterPath head;
    head.moveTo(x1, y);
    head.lineTo(x1 - 5, y - 3.5);
    head.lineTo(x1 - 5, y + 3.5);
    head.closeSubpath();
    p.fillRect(QRectF(x0, y - 0.75, x1 - x0 - 4, 1.5), Navy);
    p.fillPath(head, Navy);
}

// This small a die reads best drawn on the pixel grid: a crisp rim and
// two-pixel pips centred on pixel corners.
constexpr int Mini = 14;

void miniDie(QPainter &p, int x, int y, int face)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(x + 0.5, y + 0.5, Mini - 1, Mini - 1), 2.8, 2.8);
    QLinearGradient g(x, y, x + Mini, y + Mini);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.6, QColor(246, 245, 242));
    g.setColorAt(1, QColor(206, 204, 198));
    p.fillPath(body, g);
    p.strokePath(body, QPen(QColor(60, 60, 60), 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 10, 10));
    const qreal r = face == 1 ? 1.9 : 1.25;
    for (const QPointF &u : pipLayout(face)) {
        const auto grid = [](qreal v) { return v < 0.4 ? 4.0 : v > 0.6 ? 10.0 : 7.0; };
        p.drawEllipse(QPointF(x + grid(u.x()), y + grid(u.y())), r, r);
    }
    p.setBrush(Qt::NoBrush);
}

void title(int scale)
{
    QImage img;
    QPainter p;
    scaledCanvas(p, img, 180, 25, scale);
    const QString name = QStringLiteral("Tolmar Quindle");
    const QFont font = fitted(name, 132, 20, 14, true);
    QPainterPath path;
    path.addText(0, 0, font, name);
    const QRectF b = path.boundingRect();
    path.translate(std::round(90 - b.width() / 2 - b.left()),
                   std::round(12.5 + b.height() / 2));
    // The shadow layer is blurred in device pixels.
    dropShadow(p, path, QPointF(1.2, 1.5) * scale, QColor(0, 60, 0, 120), scale);
    const QRectF pb = path.boundingRect();
    QLinearGradient g(pb.topLeft(), pb.bottomLeft());
    g.setColorAt(0.0, QColor(52, 168, 70));
    g.setColorAt(0.5, QColor(0, 122, 30));
    g.setColorAt(1.0, QColor(0, 78, 16));
    p.fillPath(path, g);
    p.strokePath(path, QPen(QColor(0, 60, 10, 160), 0.5));

    // A die on either side, tipped towards the name.
    const qreal gap = 7;
    for (int side = 0; side < 2; ++side) {
        p.save();
        const qreal cx = side == 0 ? pb.left() - gap - 6.5 : pb.right() + gap + 6.5;
        p.translate(cx, 12.5);
        p.rotate(side == 0 ? -12 : 12);
        DieLook look = freeDie();
        look.pipRadius = 0.11;
        look.outlineWidth = 0.8;
        if (side == 1) {
            look.face = QColor(214, 36, 36);
            look.faceShade = QColor(176, 20, 20);
            look.rimLight = QColor(250, 130, 120);
            look.rimDark = QColor(120, 10, 10);
            look.outline = QColor(90, 10, 10);
            look.pip = Qt::white;
            look.pipLight = QColor(235, 235, 235);
        }
        drawDie(p, QRectF(-7, -7, 14, 14), side == 0 ? 5 : 3, look);
        p.restore();
    }
    saveCard(p, img, QStringLiteral("CARDTITLE"), {180, 25}, scale);
}

void heading(int scale)
{
    QImage img;
    QPainter p;
    scaledCanvas(p, img, 261, 18, scale);
    const Band band{0, 17, 0};
    const QFont head = sans(12, true);
    text(p, 3, baselineIn(band, head), head, Label, QStringLiteral("Upper Section"));
    const QFont caption = sans(9, false);
    rightText(p, 163, baselineIn(band, head), caption, Hint, QStringLiteral("Scoring"));

    const struct {
        QString text;
        QColor colour;
    } columns[] = {{QStringLiteral("Single"), Label},
                   {QStringLiteral("Dbl"), QColor(0, 0, 255)},
                   {QStringLiteral("Triple"), QColor(255, 0, 0)}};
    QFont font = sans(10, true);
    for (const auto &c : columns)
        font = QFontMetricsF(font).horizontalAdvance(c.text) <= 28
                   ? font : fitted(c.text, 28, font.pixelSize(), 7, true);
    for (int i = 0; i < 3; ++i) {
        const qreal centre = 182 + 30 * i;
        const qreal w = QFontMetricsF(font).horizontalAdvance(columns[i].text);
        text(p, std::round(centre - w / 2), baselineIn(band, head), font, columns[i].colour,
             columns[i].text);
    }
    saveCard(p, img, QStringLiteral("CARDHEADING"), {261, 18}, scale);
}

void upper(int scale)
{
    QImage img;
    QPainter p;
    scaledCanvas(p, img, 167, 139, scale);
    const QVector<Band> bands{{2, 17, 0},   {18, 34, 1},  {35, 51, 1},  {52, 68, 1},
                              {69, 85, 1},  {86, 102, 1}, {103, 119, 3}, {120, 135, 3}};
    drawRules(p, bands, 167);

    const QString names[] = {QStringLiteral("Aces"),  QStringLiteral("Twos"),
                             QStringLiteral("Threes"), QStringLiteral("Fours"),
                             QStringLiteral("Fives"), QStringLiteral("Sixes")};
    const QFont name = sans(11, true);
    QString longest;
    for (const QString &n : names)
        if (n.size() > longest.size())
            longest = n;
    const qreal hintLeft = 21 + QFontMetricsF(name).horizontalAdvance(longest) + 6;
    const QFont hint = fitted(QStringLiteral("Add only Threes"), 165 - hintLeft, 10, 8, false);
    for (int i = 0; i < 6; ++i) {
        const Band &b = bands[i];
        const qreal free = b.top + b.rule, rows = b.bottom + 1 - free;
        miniDie(p, 3, int(free + (rows - Mini) / 2), i + 1);
        // One baseline across the row: it is read from left to right.
        const qreal baseline = baselineIn(b, name);
        text(p, 21, baseline, name, Label, names[i]);
        text(p, hintLeft, baseline, hint, Hint,
             QStringLiteral("Add only %1").arg(names[i]));
    }

    const Band &total = bands[6];
    const qreal mid = (total.top + total.rule + total.bottom + 1) / 2.0;
    text(p, 4, baselineIn(total, name), name, Label, QStringLiteral("TOTAL SCORE"));
    arrow(p, 130, 163, mid);

    const Band &bonus = bands[7];
    text(p, 4, baselineIn(bonus, name), name, Label, QStringLiteral("BONUS"));
    const QFont score = sans(9, true);
    const QString scoreText = QStringLiteral("SCORE 35");
    const qreal scoreLeft = 156 - QFontMetricsF(score).horizontalAdvance(scoreText);
    rightText(p, 156, baselineIn(bonus, name), score, Label, scoreText);
    const qreal bonusHint = 4 + QFontMetricsF(name).horizontalAdvance(QStringLiteral("BONUS")) + 5;
    const QString ifText = QStringLiteral("if 63 or over");
    const QFont small = fitted(ifText, scoreLeft - bonusHint - 4, 10, 7, false);
    text(p, bonusHint, baselineIn(bonus, name), small, Hint, ifText);
    saveCard(p, img, QStringLiteral("CARDUPPER"), {167, 139}, scale);
}

void lower(int scale)
{
    QImage img;
    QPainter p;
    scaledCanvas(p, img, 167, 190, scale);
    const QVector<Band> bands{{2, 17, 0},    {18, 34, 1},   {35, 51, 1},   {52, 68, 1},
                              {69, 85, 1},   {86, 102, 1},  {103, 119, 1}, {120, 136, 1},
                              {137, 153, 3}, {154, 170, 3}, {171, 186, 3}};
    drawRules(p, bands, 167);

    const QFont name = sans(11, true);
    const QFont hint = sans(10, false);
    const QFont score = sans(9, true);
    const QString total = QStringLiteral("Total of Dice");
    const struct {
        QString label, hint;
        bool fixed;   // a fixed score rather than a sum
    } rows[] = {
        {QStringLiteral("3 of a kind"), total, false},
        {QStringLiteral("4 of a kind"), total, false},
        {QStringLiteral("Full House"), QStringLiteral("SCORE 25"), true},
        {QStringLiteral("Small Straight"), QStringLiteral("SCORE 30"), true},
        {QStringLiteral("Large Straight"), QStringLiteral("SCORE 40"), true},
        {QStringLiteral("QUINDLE"), QStringLiteral("SCORE 50"), true},
        {QStringLiteral("Chance"), total, false},
        {QStringLiteral("Bonus"), QStringLiteral("100 per check"), false},
    };
    for (int i = 0; i < 8; ++i) {
        const Band &b = bands[i];
        text(p, 4, baselineIn(b, name), name, i == 5 ? QColor(170, 0, 0) : Label, rows[i].label);
        const QFont &f = rows[i].fixed ? score : hint;
        rightText(p, 156, baselineIn(b, name), f, rows[i].fixed ? Label : Hint, rows[i].hint);
    }
    // The five-of-a-kind row gets a little star of its own.
    {
        const Band &b = bands[5];
        const qreal cy = (b.top + b.rule + b.bottom + 1) / 2.0;
        const qreal cx = 4 + QFontMetricsF(name).horizontalAdvance(rows[5].label) + 8;
        QPainterPath star;
        for (int k = 0; k < 10; ++k) {
            const qreal r = k % 2 ? 2.3 : 5.5;
            const qreal a = -M_PI / 2 + k * M_PI / 5;
            const QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
            k == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        QLinearGradient gold(cx, cy - 5, cx, cy + 5);
        gold.setColorAt(0, QColor(255, 226, 90));
        gold.setColorAt(1, QColor(222, 150, 0));
        p.fillPath(star, gold);
        p.strokePath(star, QPen(QColor(150, 90, 0), 0.7));
    }

    const QString totals[] = {QStringLiteral("Upper TOTAL"), QStringLiteral("Lower TOTAL"),
                              QStringLiteral("GRAND TOTAL")};
    for (int i = 0; i < 3; ++i) {
        const Band &b = bands[8 + i];
        text(p, 4, baselineIn(b, name), name, Label, totals[i]);
        arrow(p, 130, 163, (b.top + b.rule + b.bottom + 1) / 2.0);
    }
    saveCard(p, img, QStringLiteral("CARDLOWER"), {167, 190}, scale);
}

} // namespace

void makeCard()
{
    for (int scale : {1, LargeScale}) {
        title(scale);
        heading(scale);
        upper(scale);
        lower(scale);
    }
}

void makeChecks()
{
    const auto tick = [](qreal x) {
        QPainterPath path;
        path.moveTo(x, 7.2);
        path.lineTo(x + 2.4, 10.2);
        path.lineTo(x + 6.4, 2.6);
        return path;
    };
    const QPen shadowPen(QColor(140, 140, 140), 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen inkPen(Navy, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (int n = 0; n < 6; ++n) {
        const int count = n % 3 + 1, scale = n < 3 ? 1 : LargeScale;
        QImage img;
        QPainter p;
        scaledCanvas(p, img, 25, 15, scale);
        // Each mark spans about 7.5 pixels with its shadow; space them
        // evenly and centre the group.
        const qreal step = 8;
        const qreal width = (count - 1) * step + 7.4;
        const qreal left = std::round((25 - width) / 2) + 0.5;
        for (int i = 0; i < count; ++i)
            p.strokePath(tick(left + i * step).translated(1, 1.2), shadowPen);
        for (int i = 0; i < count; ++i)
            p.strokePath(tick(left + i * step), inkPen);
        const QString name = QStringLiteral("%1CHECK").arg(count);
        if (scale > 1) {
            saveCard(p, img, name, {25, 15}, scale);
            continue;
        }
        p.end();
        saveIndexed(img, cardPath(name, 1), {25, 15}, {qRgb(255, 255, 255), Navy.rgb()}, 16);
    }
}

} // namespace art
