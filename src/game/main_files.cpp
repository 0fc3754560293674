// SPDX-License-Identifier: MIT
// Saved games and printing.
#include "game/main.h"
#include "app/splash.h"
#include "game/PrintCard.h"
#include "game/SavedGame.h"
#include "platform/Platform.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QPrinter>
#include <QSaveFile>
#include <QScopedValueRollback>

namespace {

QString askForFile(QWidget *parent, bool save)
{
    platform::FileRequest request;
    request.save = save;
    request.title = save ? QStringLiteral("Tolmar Quindle Save Game")
                         : QStringLiteral("Tolmar Quindle Open Game");
    request.filter = QStringLiteral("Tolmar Quindle Saved Game (*.vqd)");
    request.defaultSuffix = QStringLiteral("vqd");
    request.fileName = QStringLiteral("*.vqd");
    return platform::services().files->run(parent, request);
}

QString cannotOpen(const QString &path)
{
    return QStringLiteral("Cannot open file %1").arg(path);
}

SavedGame gameOf(const Tw_Quindle_Main &main)
{
    SavedGame game;
    game.players = main.Players;
    game.hard = main.Cards[1]->HardMode;
    game.triple = main.Cards[1]->TripleMode;
    game.currentPlayer = main.CurrentPlayer;
    for (int panel = 0; panel < 3; ++panel)
        game.status[panel] = main.statusText(panel);
    for (int player = 1; player <= main.Players; ++player) {
        SavedGame::Card cells;
        for (int row = 0; row < SavedGame::Rows; ++row) {
            for (int column = 1; column <= SavedGame::Columns; ++column)
                cells[row][column - 1] = main.Cards[player]->ScoreLines[row]->col(column);
        }
        game.cards.append(cells);
    }
    return game;
}

void restoreCard(Tw_Card *card, const SavedGame::Card &cells)
{
    for (int row = 0; row < SavedGame::Rows; ++row) {
        for (int column = 1; column <= SavedGame::Columns; ++column)
            card->ScoreLines[row]->setCol(column, cells[row][column - 1]);
    }
    // A complete card or a bonus is no news to anyone opening the game.
    card->setQuiet(true);
    for (int column = 1; column <= 3; ++column)
        card->UpdateUpperTotals(column);
    for (int column = 1; column <= 3; ++column)
        card->UpdateLowerTotals(column);
    card->setQuiet(false);
}

// The end of the game, or the stored player's turn, decided only now that
// every card has been recounted (issue #5).
void resumeTurn(Tw_Quindle_Main &main, int player)
{
    if (main.Cards[main.Players]->GameOver) {
        main.FinishGame();
        return;
    }
    for (int i = 1; i <= main.Players; ++i)
        main.Cards[i]->setEnabled(false);
    // Passing the turn on from the player before lets NextPlayer skip a
    // player whose card is full, as it does in play.
    main.NextPlayer(player == 1 ? main.Players : player - 1);
}

} // namespace

void Tw_Quindle_Main::SaveGame1Click()
{
    if (!Cards[1])
        return;
    const QString path = askForFile(this, true);
    if (path.isEmpty())
        return;
    const QByteArray bytes = writeSavedGame(gameOf(*this));
    // Issue #5: the game goes to a temporary file beside the target, which
    // replaces the target only once it is complete, so a failing save never
    // costs an earlier one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        platform::showError(cannotOpen(path));
        return;
    }
    // The explicit flush matters: QSaveFile's commit misses a short final
    // write (a full disk) and would put a cut file in place of a good one.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        platform::showError(QStringLiteral("Stream write error"));
}

void Tw_Quindle_Main::LoadGame1Click()
{
    const QString path = askForFile(this, false);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::showError(cannotOpen(path));
        return;
    }
    const SavedGameReading reading = readSavedGame(file.readAll());
    if (!reading.ok()) {
        platform::showError(savedGameErrorText(reading.error, path));
        return;
    }
    const SavedGame &game = reading.game;
    QuickStart(game.players, game.hard, game.triple);
    for (int panel = 0; panel < 3; ++panel)
        setStatusText(panel, game.status[panel]);
    {
        const QScopedValueRollback<bool> restoring(m_restoring, true);
        for (int player = 1; player <= Players; ++player)
            restoreCard(Cards[player], game.cards[player - 1]);
    }
    resumeTurn(*this, game.currentPlayer);
}

void Tw_Quindle_Main::PrintScorecard1Click()
{
    const std::unique_ptr<QPrinter> printer = platform::services().printing->choosePrinter(this);
    if (!printer)
        return;
    auto *card = qobject_cast<Tw_Card *>(ClientArea->currentSubWindow());
    if (!card)
        card = Cards[CurrentPlayer];
    if (!card)
        return;
    QWidget *client = card->client();
    // A printer that cannot be opened must not pass for a printed card.
    if (!printCard(*printer, client->grab().toImage(), client->logicalDpiX()))
        platform::showError(QStringLiteral("Unable to print the score card"));
}

void Tw_Quindle_Main::About1Click()
{
    Tw_splash::showAbout(this);
}
