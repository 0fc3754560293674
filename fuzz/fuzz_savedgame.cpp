// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the saved game reader. A file the reader accepts
// must also survive being written and read again unchanged.
#include "game/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SavedGameReading reading = readSavedGame(bytes);
    if (!reading.ok())
        return 0;
    const SavedGameReading again = readSavedGame(writeSavedGame(reading.game));
    if (!again.ok() || !(again.game == reading.game))
        std::abort();
    return 0;
}
