// SPDX-License-Identifier: MIT
// Saved games and printing.
#include "game/main.h"
#include "game/PrintCard.h"
#include "game/SavedGame.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"
#include "scoring/CardLine.h"
#include "scoring/card.h"

#include <QAction>
#include <QMdiArea>
#include <QPrinter>

namespace {

// A real saved game is well under a kilobyte.
constexpr qint64 MaxSavedGameSize = 64 * 1024;

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
    game.players = main.Players();
    game.hard = main.card(1)->HardMode;
    game.triple = main.card(1)->TripleMode;
    game.currentPlayer = main.CurrentPlayer();
    for (int panel = 0; panel < 3; ++panel)
        game.status[panel] = main.statusText(panel);
    for (int player = 1; player <= main.Players(); ++player) {
        SavedGame::Card cells;
        for (int row = 0; row < SavedGame::Rows; ++row) {
            for (int column = 1; column <= SavedGame::Columns; ++column)
                cells[row][column - 1] = main.card(player)->ScoreLines[row]->col(column);
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
    // A complete card or a bonus is no news to anyone opening the game, and
    // the turn is decided only once every card has been read.
    card->recountQuietly();
}

} // namespace

void Tw_Quindle_Main::SaveGame1Click()
{
    if (!card(1))
        return;
    const QString path = askForFile(this, true);
    if (path.isEmpty())
        return;
    switch (platform::writeFileSafely(path, writeSavedGame(gameOf(*this)))) {
    case platform::FileError::None: break;
    case platform::FileError::WriteFailed:
        platform::showError(QStringLiteral("Stream write error"));
        break;
    default:
        platform::showError(cannotOpen(path));
        break;
    }
}

void Tw_Quindle_Main::LoadGame1Click()
{
    const QString path = askForFile(this, false);
    if (path.isEmpty())
        return;
    const platform::FileReading file = platform::readRegularFile(path, MaxSavedGameSize);
    if (file.error == platform::FileError::CannotOpen) {
        platform::showError(cannotOpen(path));
        return;
    }
    const SavedGameReading reading = file.error == platform::FileError::TooLarge
                                         ? SavedGameReading{{}, SavedGameError::NotASavedGame}
                                         : readSavedGame(file.bytes);
    if (!reading.ok()) {
        platform::showError(savedGameErrorText(reading.error, path));
        return;
    }
    restoreGame(reading.game);
}

void Tw_Quindle_Main::restoreGame(const SavedGame &game)
{
    QuickStart(game.players, game.hard, game.triple);
    for (int panel = 0; panel < 3; ++panel)
        setStatusText(panel, game.status[panel]);
    for (int player = 1; player <= m_players; ++player)
        restoreCard(card(player), game.cards[player - 1]);
    if (card(m_players)->GameOver) {
        FinishGame();
        return;
    }
    for (int i = 1; i <= m_players; ++i)
        card(i)->setEnabled(false);
    // Passing the turn on from the player before lets NextPlayer pass over a
    // player whose card is full, as it does in play.
    const int player = game.currentPlayer;
    NextPlayer(player == 1 ? m_players : player - 1);
}

void Tw_Quindle_Main::PrintScorecard1Click()
{
    const std::unique_ptr<QPrinter> printer = platform::services().printing->choosePrinter(this);
    if (!printer)
        return;
    auto *active = qobject_cast<Tw_Card *>(ClientArea->currentSubWindow());
    if (!active)
        active = card(m_currentPlayer);
    if (!active)
        return;
    QWidget *client = active->client();
    // A printer that cannot be opened must not pass for a printed card.
    if (!printCard(*printer, *client, client->logicalDpiX()))
        platform::showError(QStringLiteral("Unable to print the score card"));
}

namespace {
Tw_Quindle_Main::AboutBox aboutBox = nullptr;
}

void Tw_Quindle_Main::SetAboutBox(AboutBox show)
{
    aboutBox = show;
}

void Tw_Quindle_Main::About1Click()
{
    if (aboutBox)
        aboutBox(this);
}
