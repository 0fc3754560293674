// SPDX-License-Identifier: MIT
#include "FileGame.h"
#include "GameHelpers.h"
#include "controls/QuindleDice.h"
#include "game/main.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QFile>

FileGame::FileGame()
    : main(std::make_unique<Tw_Quindle_Main>())
{
    main->show();
    main->Animation1Click(); // rolls land at the release
}

FileGame::~FileGame() = default;

void FileGame::startRunningGame()
{
    helpers::newGame(main.get(), 2, true, false);
    rollAs(QStringLiteral("66666"));
    helpers::clickRow(main->card(1)->u_6, 45);
    rollAs(QStringLiteral("12345"));
    helpers::setHeld(main.get(), QStringLiteral("00100"));
    fake.boxes.shown.clear();
}

void FileGame::rollAs(const QString &dice)
{
    helpers::roll(main.get());
    helpers::setDice(main.get(), dice);
}

bool FileGame::turnEnded() const
{
    return !main->CanScore() && main->RollsLeft() == 3 && !main->Dice[1]->isEnabled();
}

void FileGame::open(const QString &file)
{
    fake.files.answers.enqueue(file);
    main->LoadGame1->trigger();
}

void FileGame::save(const QString &file)
{
    fake.files.answers.enqueue(file);
    main->SaveGame1->trigger();
}

namespace helpers {

QStringList describe(const Tw_Quindle_Main &main)
{
    QStringList lines;
    lines << QStringLiteral("players %1, player %2 at turn, %3 rolls, can score %4, over %5, "
                            "undo %6")
                 .arg(main.Players()).arg(main.CurrentPlayer()).arg(main.RollsLeft())
                 .arg(main.CanScore()).arg(main.NoGame()).arg(main.Undo1->isEnabled());
    for (int panel = 0; panel < 3; ++panel)
        lines << main.statusText(panel);
    for (int i = 1; i <= 5; ++i) {
        lines << QStringLiteral("die %1 shows %2, held %3, enabled %4").arg(i)
                     .arg(main.Dice[i]->Value()).arg(main.Dice[i]->Selected())
                     .arg(main.Dice[i]->isEnabled());
    }
    for (int p = 1; p <= 4; ++p) {
        const Tw_Card *card = main.card(p);
        lines << (card ? QStringLiteral("card %1 is %2, enabled %3").arg(p)
                             .arg(quintptr(card), 0, 16).arg(card->isEnabled())
                       : QStringLiteral("no card %1").arg(p));
        if (!card)
            continue;
        for (const TCardLine *row : card->findChildren<TCardLine *>()) {
            const QStringList cells{row->Col1(), row->Col2(), row->Col3()};
            lines << row->objectName() + QLatin1Char(' ') + cells.join(QLatin1Char('|'));
        }
    }
    return lines;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray shortString(const QByteArray &text)
{
    return char(0x06) + QByteArray(1, char(text.size())) + text;
}

QByteArray newOnePlayerFile()
{
    return QByteArray::fromHex("0201 08 08 0201") + shortString("1 Player")
           + shortString("Regular Quindle") + shortString("Player 1's Turn")
           + QByteArray::fromHex("0600").repeated(42);
}

} // namespace helpers
