#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "SoundBankFixture.h"
#include "audio/WaveCheck.h"

using namespace soundtest;

namespace {
// What the bank believes is looping, by sound, whichever channel holds it.
struct HeldLoop {
    int sound, volume, left, right;
    bool operator==(const HeldLoop&) const = default;
    bool operator<(const HeldLoop& other) const { return sound < other.sound; }
};

std::vector<HeldLoop> heldLoops(const SoundBank& bank) {
    std::vector<HeldLoop> loops;
    for (int channel = 0; channel < bank.channelCount(); ++channel) {
        const ChannelView view = bank.channel(channel);
        if (view.looping) loops.push_back({view.sound, view.volume, view.left, view.right});
    }
    std::sort(loops.begin(), loops.end());
    return loops;
}

// Each kind's ambient state, with channel numbers reduced to "has one".
std::vector<int> ambientState(const SoundBank& bank) {
    std::vector<int> state;
    for (int kind = 100; kind < 200; ++kind) {
        const AmbientView view = bank.ambient(kind);
        state.insert(state.end(), {view.channel != -1, view.previousChannel != -1, view.volumeSum, view.leftSum,
                                   view.rightSum, view.reports});
    }
    return state;
}

struct SceneResult {
    std::vector<HeldLoop> loops;
    std::vector<int> ambient;
};

// One scripted stretch of play touching every operation. One-shots may
// still sound where real files are loaded, so only loops are compared.
SceneResult playAScene(SoundBank& bank) {
    bank.playIntro(0.5f);
    bank.freeIntro();
    bank.playSong(0.5f);
    bank.playMouseOver(1);
    bank.playMouseOver(1);
    bank.playClick(1);
    bank.playMouseOver(0);
    bank.stopAllSounds();
    for (int frame = 0; frame < 4; ++frame) {
        const float hearing = bank.countBusyChannels(range);
        for (int slot = 0; slot < 3; ++slot) bank.reportAmbient(161, slot, slot * 2.0f, hearing, slot - 1.0f);
        if (frame < 2) bank.reportAmbient(141, 0, 1.0f, hearing, 0.0f);
        bank.reportAmbient(101, 0, 0.0f, hearing, 0.0f);
        for (int code : {0, 5, 11, 21, 23, 27, 87, 90, 91, 92, 96, 97, 98, 99}) bank.playEvent(code, 1.0f, hearing, 0.5f);
        bank.setAlarmLoop(frame < 2 ? 6 : 9, 0.0f, hearing, 0.0f);
        bank.mixAmbient(0.5f);
    }
    SceneResult result{heldLoops(bank), ambientState(bank)};
    bank.playLevelEnd(2, 0.5f);
    bank.playLevelEnd(0, 0.5f);
    return result;
}
}  // namespace

TEST(SoundBankFiles, MissingFilesOrNoAudioDevicePlaySilentlyWithTheSameBookkeeping) {
    TempDirectory full;
    TempDirectory empty;
    writeAllSounds(full);
    SceneResult withFiles;
    {
        AudioSubsystem audio;
        // One bank at a time: SDL_mixer's channels are shared by the process.
        SoundBank bank;
        loadFrom(bank, full);
        withFiles = playAScene(bank);
    }
    ASSERT_EQ(withFiles.loops.size(), 3u) << "the muses, the low-energy warning and the alarm";
    {
        AudioSubsystem audio;
        SoundBank silent;
        loadFrom(silent, empty);
        EXPECT_TRUE(silent.mixerOpen());
        for (int sound = 0; sound < Sound::count; ++sound) EXPECT_FALSE(silent.soundLoaded(sound));
        EXPECT_FALSE(silent.musicLoaded(MusicTrack::song));
        EXPECT_FALSE(silent.musicLoaded(MusicTrack::intro));
        const SceneResult withoutFiles = playAScene(silent);
        EXPECT_EQ(withoutFiles.loops, withFiles.loops);
        EXPECT_EQ(withoutFiles.ambient, withFiles.ambient);

        // Null one-shots are over at once: their channels are free in the next frame.
        silent.stopAllSounds();
        silent.playEvent(99, 0.001f, range, 0.001f);
        EXPECT_EQ(silent.channel(silent.channelCount() - 1).record, silent.channelCount() - 1);
        silent.mixAmbient(0.5f);
        EXPECT_EQ(silent.channel(silent.channelCount() - 1).record, -1);
    }

    // An audio driver that cannot be opened: the mixer stays shut.
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    {
        SoundBank deviceless;
        loadFrom(deviceless, full);
        EXPECT_FALSE(deviceless.mixerOpen());
        EXPECT_EQ(deviceless.channelCount(), 16);
        EXPECT_EQ(deviceless.mixerFrequency(), 0);
        const SceneResult unheard = playAScene(deviceless);
        EXPECT_EQ(unheard.loops, withFiles.loops);
        EXPECT_EQ(unheard.ambient, withFiles.ambient);
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (previous != nullptr) setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else unsetenv("SDL_AUDIODRIVER");
}

TEST(SoundBankFiles, BrokenAndForeignFilesAreRefusedWhileTheRestLoads) {
    AudioSubsystem audio;
    TempDirectory dir;
    const std::vector<std::uint8_t> good = wavetest::waveBytes();
    for (int sound = 0; sound < Sound::count; ++sound) dir.write(Sound::fileName(sound), good);

    std::vector<std::uint8_t> lying = good;
    for (std::size_t at = 40; at < 44 && at < lying.size(); ++at) lying[at] = 0xff;  // data chunk far past the end
    std::vector<std::uint8_t> aiff = good;
    aiff[0] = 'F', aiff[1] = 'O', aiff[2] = 'R', aiff[3] = 'M';
    std::vector<std::uint8_t> floating = good;
    floating[20] = 3;
    std::vector<std::uint8_t> noise(5000);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    std::vector<std::uint8_t> huge = wavetest::waveBytes({1, 2, 44100, 16, 44100 * 96});  // 16.2 MiB
    const std::vector<std::vector<std::uint8_t>> broken = {
        {}, {'R', 'I', 'F', 'F'}, std::vector<std::uint8_t>(good.begin(), good.begin() + 60), lying, aiff,
        floating, noise, huge, wavetest::nestedRiff()};
    for (std::size_t i = 0; i < broken.size(); ++i) dir.write(Sound::fileName(static_cast<int>(i)), broken[i]);
    std::filesystem::remove(dir.path(Sound::fileName(20)));
    std::filesystem::create_directory(dir.path(Sound::fileName(20)));  // a directory where a file should be
    dir.write(Sound::songFile, wavetest::nestedRiff());
    dir.write(Sound::introFile, good);

    SoundBank bank;
    bank.setSoundDirectory(dir.path("").c_str());  // with the trailing separator
    bank.load();
    for (int sound = 0; sound < Sound::count; ++sound) {
        const bool refused = sound < static_cast<int>(broken.size()) || sound == 20;
        EXPECT_EQ(bank.soundLoaded(sound), !refused) << Sound::fileName(sound);
    }
    EXPECT_FALSE(bank.musicLoaded(MusicTrack::song));
    EXPECT_TRUE(bank.musicLoaded(MusicTrack::intro));
    // Each refused file is named once, with a reason, for the log.
    std::vector<std::string> refusedFiles;
    for (int index = 0; index < bank.refusalCount(); ++index) {
        const SoundRefusal refusal = bank.refusal(index);
        ASSERT_NE(refusal.reason, nullptr);
        refusedFiles.push_back(refusal.file);
    }
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < broken.size(); ++i) expected.push_back(Sound::fileName(static_cast<int>(i)));
    expected.push_back(Sound::fileName(20));
    expected.push_back(Sound::songFile);
    EXPECT_EQ(refusedFiles, expected);

    // Playing the refused sounds is silent and harmless.
    bank.mixAmbient(1.0f);
    bank.reportAmbient(101, 0, 1.0f, range, 0.0f);
    bank.playEvent(0, 1.0f, range, 0.0f);
    bank.playEvent(27, 1.0f, range, 0.0f);
    bank.playSong(1.0f);
    bank.mixAmbient(1.0f);
    EXPECT_TRUE(bank.channel(bank.ambient(101).previousChannel).looping);
}

TEST(SoundBankFiles, LoadingTwiceOrNeverIsSafe) {
    AudioSubsystem audio;
    TempDirectory dir;
    dir.write(Sound::fileName(Sound::newHighScore), wavetest::waveBytes());
    {
        SoundBank never;  // constructed and destroyed without load: no mixer call that matters
        never.playEvent(99, 0.001f, range, 0.001f);
        never.reportAmbient(161, 0, 1.0f, range, 0.0f);
        never.mixAmbient(1.0f);
    }
    SoundBank bank;
    EXPECT_TRUE(bank.setSoundDirectory(dir.path("").c_str()));
    EXPECT_FALSE(bank.setSoundDirectory(std::string(4000, 'a').c_str()));  // refused: the old one stays
    EXPECT_EQ(bank.soundDirectory(), dir.path(""));
    bank.load();
    bank.reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank.playEvent(99, 0.001f, range, 0.001f);
    bank.load();
    EXPECT_TRUE(bank.mixerOpen());
    EXPECT_TRUE(bank.soundLoaded(Sound::newHighScore));
    for (int channel = 0; channel < bank.channelCount(); ++channel) EXPECT_EQ(bank.channel(channel).record, -1);
    EXPECT_EQ(bank.ambient(161), AmbientView());
}
