// SPDX-License-Identifier: MIT
#include "scoring/CardKeys.h"
#include "scoring/CardHost.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

namespace cardkeys {
namespace {

constexpr int QuindleLine = 11;
constexpr int BonusLine = 13;

bool isUpperLine(int line)
{
    return line < 6;
}

// A further five of a kind on a card whose Quindle row holds 50: the same
// test the card makes before it counts a bonus.
bool claimsBonus(const Tw_Card &card, const CardHost &host)
{
    if (card.TripleMode || card.l_quindle->Col1() != QLatin1String("50")
        || card.l_bonus->Col1() == QLatin1String("3"))
        return false;
    return host.PreviewRow(false, card.l_quindle->Tag).points == 50;
}

} // namespace

int lineOf(const Tw_Card &card, const TCardLine *row)
{
    const auto &lines = card.ScoreLines;
    const auto found = std::find(lines.begin(), lines.end(), row);
    return found == lines.end() ? -1 : int(found - lines.begin());
}

QString rowName(const Tw_Card &card, const TCardLine *row)
{
    static const char *const lines[] = {
        "Aces", "Twos", "Threes", "Fours", "Fives", "Sixes", "3 of a kind", "4 of a kind",
        "Full House", "Small Straight", "Large Straight", "Quindle", "Chance", "Quindle Bonus"};
    const int line = lineOf(card, row);
    if (line >= 0)
        return QLatin1String(lines[line]);
    const std::pair<const TCardLine *, const char *> totals[] = {
        {card.u_total, "Total score"}, {card.u_bonus, "Bonus"}, {card.l_u_total, "Upper TOTAL"},
        {card.l_l_total, "Lower TOTAL"}, {card.l_grand, "GRAND TOTAL"}};
    for (const auto &[total, name] : totals) {
        if (total == row)
            return QLatin1String(name);
    }
    return QString();
}

QList<bool> openColumns(const Tw_Card &card, const TCardLine *row)
{
    QList<bool> open(3, false);
    if (card.TripleMode && !card.HardMode) {
        for (int c = 1; c <= 3; ++c)
            open[c - 1] = row->col(c).isEmpty();
        return open;
    }
    const int c = card.ColumnFor(row, 1);
    open[c - 1] = row->col(c).isEmpty();
    return open;
}

QList<bool> frameStops(const Tw_Card &card, const CardHost &host)
{
    QList<bool> stops;
    for (int line = 0; line < BonusLine; ++line)
        stops << openColumns(card, card.ScoreLines[line]).contains(true);
    stops << (host.CanScore() && claimsBonus(card, host));
    return stops;
}

int nearest(const QList<bool> &open, int from, int step)
{
    const int count = int(open.size());
    if (step != 0) {
        for (int i = from + step; i >= 0 && i < count; i += step) {
            if (open[i])
                return i;
        }
        return from;
    }
    for (int i = qMax(from, 0); i < count; ++i) {
        if (open[i])
            return i;
    }
    for (int i = qMin(from, count) - 1; i >= 0; --i) {
        if (open[i])
            return i;
    }
    return -1;
}

QString previewText(const Tw_Card &card, const CardHost &host, const TCardLine *row, int column)
{
    int line = lineOf(card, row);
    if (line < 0 || !host.CanScore())
        return QString();
    if (line == BonusLine || line == QuindleLine) {
        // Both rows score the Quindle row while it is empty, and claim a
        // bonus once it is filled.
        if (!card.l_quindle->col(column).isEmpty())
            return claimsBonus(card, host) ? QStringLiteral("Quindle Bonus: 100") : QString();
        line = QuindleLine;
    } else if (!row->col(column).isEmpty()) {
        return QString();
    }
    const RowPreview worth = host.PreviewRow(isUpperLine(line), card.ScoreLines[line]->Tag);
    const QString name = rowName(card, card.ScoreLines[line]);
    if (worth.asksForZero)
        return name + QStringLiteral(": 0 \u2014 Are you sure you want to take a zero?");
    return name + QStringLiteral(": %1").arg(worth.points);
}

} // namespace cardkeys
