// Playing the game's wave files without waiting for them.
#pragma once

#include <QString>
#include <functional>

#include "platform/Sounds.h"

namespace zarvelo::platform {

// Starts a wave file from the program's directory without waiting for it; a missing file is silent
// and a new sound stops the one still playing.
void PlayWave(const QString& fileName);
void PlayWave(Sound sound);

// While held, sounds wait and the audio output is not even loaded; releasing plays what waited.
// Start-up holds them while it puts the splash on screen: loading the audio output competes with
// that for the processor, and the start-up sound is not the worse for beginning a moment later.
void HoldSounds(bool held);

// Receives the name of every wave started instead of playing it (tests); empty restores real sound.
using SoundHook = std::function<void(const QString& fileName)>;
void SetSoundHook(SoundHook hook);

}  // namespace zarvelo::platform
