#pragma once

// The sound bank loaded from a directory of small WAV files, on SDL's audio
// subsystem (started by the main loop in the game, by the fixture here).
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "WaveFiles.h"
#include "audio/SoundBank.h"

namespace soundtest {
constexpr float range = 10.0f;

// Every sound and both music tracks, one second each, in one directory.
inline void writeAllSounds(const TempDirectory& dir, std::uint32_t frames = 22050) {
    const std::vector<std::uint8_t> bytes = wavetest::waveBytes({1, 1, 22050, 16, frames});
    for (int sound = 0; sound < Sound::count; ++sound) dir.write(Sound::fileName(sound), bytes);
    dir.write(Sound::songFile, bytes);
    dir.write(Sound::introFile, bytes);
}

// Loads the bank from the directory, named without a trailing separator.
inline void loadFrom(SoundBank& bank, const TempDirectory& dir) {
    ASSERT_TRUE(bank.setSoundDirectory(std::filesystem::path(dir.path("")).parent_path().c_str()));
    bank.load();
}

inline std::vector<ChannelView> allChannels(const SoundBank& bank) {
    std::vector<ChannelView> views;
    for (int channel = 0; channel < bank.channelCount(); ++channel) views.push_back(bank.channel(channel));
    return views;
}

inline std::vector<AmbientView> allAmbient(const SoundBank& bank) {
    std::vector<AmbientView> views;
    for (int kind = 100; kind < 200; ++kind) views.push_back(bank.ambient(kind));
    return views;
}

// What a channel plays and how: sound, volume, left, right.
using Heard = std::array<int, 4>;
inline Heard heard(const ChannelView& view) { return {view.sound, view.volume, view.left, view.right}; }

inline int channelsHolding(const SoundBank& bank, int sound) {
    int holding = 0;
    for (const ChannelView& view : allChannels(bank)) holding += view.record != -1 && view.sound == sound;
    return holding;
}

class AudioSubsystem {
public:
    AudioSubsystem() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        SDL_InitSubSystem(SDL_INIT_AUDIO);
    }
    ~AudioSubsystem() { SDL_QuitSubSystem(SDL_INIT_AUDIO); }
};
}  // namespace soundtest

class SoundBankTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        files = new TempDirectory();
        soundtest::writeAllSounds(*files);
    }
    static void TearDownTestSuite() {
        delete files;
        files = nullptr;
    }
    void SetUp() override {
        soundtest::loadFrom(*bank, *files);
        n = bank->channelCount();
        bank->mixAmbient(1.0f);  // volume factor 1 for the hand-computed levels
    }

    inline static TempDirectory* files = nullptr;
    soundtest::AudioSubsystem audio;
    std::unique_ptr<SoundBank> bank = std::make_unique<SoundBank>();
    int n = 0;
};
