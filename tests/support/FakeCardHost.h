// SPDX-License-Identifier: MIT
#pragma once
// Stands in for the main window behind a scorecard: answers its questions
// from fields and logs every call, in order.

#include "scoring/CardHost.h"

#include <QStringList>
#include <functional>

class FakeCardHost final : public CardHost {
public:
    bool CanScore() const override { return canScore; }
    int ScoreRow(bool upper, int tag) override
    {
        log << QStringLiteral("score %1%2").arg(upper ? "u" : "l").arg(tag);
        return score(upper, tag);
    }
    RowPreview PreviewRow(bool upper, int tag) const override
    {
        const int points = score(upper, tag);
        return {qMax(points, 0), points <= 0};
    }
    bool SoundOn() const override { return soundOn; }
    bool PlaySound(int sound, bool) override { return log << QStringLiteral("sound %1").arg(sound), true; }
    void NextPlayer(int player) override { log << QStringLiteral("next %1").arg(player); }
    void EndTurn(int player, int tag, bool upper, int column) override
    {
        log << QStringLiteral("end %1 %2%3 c%4").arg(player).arg(upper ? "u" : "l").arg(tag).arg(column);
    }
    void SaveCardPosition(int player) override { log << QStringLiteral("save %1").arg(player); }

    bool canScore = true;
    bool soundOn = true;
    // What the dice are worth for a row; -1 declines a zero.
    std::function<int(bool upper, int tag)> score = [](bool, int) { return 0; };
    QStringList log;
};
