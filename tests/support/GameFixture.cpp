// SPDX-License-Identifier: MIT
#include "GameFixture.h"
#include <QFile>

GameFixture::GameFixture(bool animation, bool soundDevice)
{
    fake.sound.device = soundDevice;
    main = std::make_unique<Tw_Quindle_Main>();
    // The cup moves only when a test steps it.
    main->a_roll->setInterval(0);
    if (!animation)
        main->Animation1Click();
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get()))
        qWarning("the main window was not exposed");
}

void GameFixture::setDice(const QString &faces)
{
    for (int i = 1; i <= 5; ++i)
        main->Dice[i]->setValue(faces.at(i - 1).digitValue());
}

void GameFixture::setHeld(const QString &held)
{
    for (int i = 1; i <= 5; ++i)
        main->Dice[i]->setSelected(held.at(i - 1) == QLatin1Char('1'));
}

QString GameFixture::faces() const
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += QString::number(main->Dice[i]->Value());
    return result;
}

QString GameFixture::held() const
{
    QString result;
    for (int i = 1; i <= 5; ++i)
        result += main->Dice[i]->Selected() ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

void GameFixture::rollAs(const QString &dice)
{
    main->pressRoll();
    main->releaseRoll();
    stepCupToRest();
    setDice(dice);
}

void GameFixture::rollByMouse()
{
    QTest::mousePress(main->a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(main->a_roll, Qt::LeftButton, {}, QPoint(20, 20));
    stepCupToRest();
}

void GameFixture::stepCupToRest()
{
    for (int n = 0; n < 100 && main->a_roll->Play(); ++n)
        main->a_roll->step();
}

void GameFixture::fillColumn(int player, int column, const QString &cells)
{
    const QStringList parts = cells.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Q_ASSERT(parts.size() == 13);
    for (int i = 0; i < 13; ++i)
        card(player)->ScoreLines[i]->setCol(column, parts[i] == QLatin1String(".") ? QString() : parts[i]);
}

void GameFixture::prepareColumn(int player, int column, const QString &cells)
{
    fillColumn(player, column, cells);
    card(player)->recountQuietly();
}

QString GameFixture::column(int player, int column) const
{
    QStringList parts;
    for (int i = 0; i < 13; ++i) { // the category rows, without the Quindle bonus
        const QString text = card(player)->ScoreLines[i]->col(column);
        parts << (text.isEmpty() ? QStringLiteral(".") : text);
    }
    return parts.join(QLatin1Char(' '));
}

QStringList GameFixture::describe() const
{
    QStringList lines;
    lines << QStringLiteral("players %1, player %2 at turn, %3 rolls, can score %4, over %5, "
                            "undo %6, dice %7 held %8 enabled %9")
                 .arg(main->Players()).arg(main->CurrentPlayer()).arg(main->RollsLeft())
                 .arg(main->CanScore()).arg(main->NoGame()).arg(main->Undo1->isEnabled())
                 .arg(faces(), held()).arg(main->Dice[1]->isEnabled());
    for (int panel = 0; panel < 3; ++panel)
        lines << main->statusText(panel);
    for (int p = 1; p <= 4; ++p) {
        const Tw_Card *shown = card(p);
        lines << (shown ? QStringLiteral("card %1 is %2, enabled %3").arg(p).arg(quintptr(shown), 0, 16).arg(shown->isEnabled())
                        : QStringLiteral("no card %1").arg(p));
        for (const TCardLine *line : shown ? shown->findChildren<TCardLine *>() : QList<TCardLine *>())
            lines << line->objectName() + QLatin1Char(' ') + QStringList{line->Col1(), line->Col2(), line->Col3()}.join('|');
    }
    return lines;
}

namespace files {
QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray shortString(const QByteArray &text)
{
    return char(0x06) + QByteArray(1, char(text.size())) + text;
}

QByteArray newOnePlayerGame()
{
    return QByteArray::fromHex("0201 08 08 0201") + shortString("1 Player") + shortString("Regular Quindle")
           + shortString("Player 1's Turn") + QByteArray::fromHex("0600").repeated(42);
}
} // namespace files
