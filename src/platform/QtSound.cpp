// SPDX-License-Identifier: MIT
#include "platform/QtSound.h"

namespace platform {
namespace {
class SilentOutput final : public SoundOutput {
public:
    bool hasDevice() const override { return false; }
    bool play(int, bool) override { return false; }
    void stop() override {}
};
} // namespace

std::unique_ptr<SoundOutput> createQtSoundOutput()
{
    return std::make_unique<SilentOutput>();
}
} // namespace platform
