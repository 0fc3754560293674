// SPDX-License-Identifier: MIT
#pragma once
#include "platform/Platform.h"

namespace platform {
// Plays the wave resources through Qt Multimedia.
std::unique_ptr<SoundOutput> createQtSoundOutput();
}
