// The game's sounds, each a wave file beside the program: the one list every player of sounds and
// the synthesiser that makes the files share.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zarvelo::platform {

enum class Sound { UnitStaked, GameStarts, CardTaken, StageClear, GameOver, StartUp };

inline constexpr std::array<std::string_view, 6> kSoundFiles = {
    "keybd1.wav", "crystal.wav", "floop_be.wav", "space152.wav", "boingg.wav", "Chime_2.wav"};

constexpr std::string_view WaveFileOf(Sound sound) {
    return kSoundFiles[static_cast<std::size_t>(sound)];
}

}  // namespace zarvelo::platform
