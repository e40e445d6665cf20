// The sound bank loaded from a directory of small WAV files on SDL's dummy
// audio driver (the main loop starts the audio subsystem in the game).
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "WaveFiles.h"
#include "audio/SoundBank.h"
#include "support/TempDirectory.h"

using namespace wavetest;

namespace {
constexpr float range = 10.0f;

// Every sound and both music tracks, one second each.
void writeAllSounds(const TempDirectory& dir) {
    const Bytes bytes = waveBytes({1, 1, 22050, 16, 22050});
    for (int sound = 0; sound < Sound::count; ++sound) dir.write(Sound::fileName(sound), bytes);
    dir.write(Sound::songFile, bytes);
    dir.write(Sound::introFile, bytes);
}

// Loads the bank from the directory, named without a trailing separator.
void loadFrom(SoundBank& bank, const TempDirectory& dir) {
    ASSERT_TRUE(bank.setSoundDirectory(std::filesystem::path(dir.path("")).parent_path().c_str()));
    bank.load();
}

std::vector<ChannelView> allChannels(const SoundBank& bank) {
    std::vector<ChannelView> views;
    for (int channel = 0; channel < bank.channelCount(); ++channel) views.push_back(bank.channel(channel));
    return views;
}

// What a channel plays and how: sound, volume, left, right.
using Heard = std::array<int, 4>;
Heard heard(const ChannelView& view) { return {view.sound, view.volume, view.left, view.right}; }

template <class Pred>
long countChannels(const SoundBank& bank, Pred pred) {
    const std::vector<ChannelView> all = allChannels(bank);
    return std::count_if(all.begin(), all.end(), pred);
}

struct AudioSubsystem {
    AudioSubsystem() { setenv("SDL_AUDIODRIVER", "dummy", 0), SDL_InitSubSystem(SDL_INIT_AUDIO); }
    ~AudioSubsystem() { SDL_QuitSubSystem(SDL_INIT_AUDIO); }
};

// One scripted stretch of play touching every operation: the number of loops
// held, each (sorted by sound) and every kind's ambient books, channels
// reduced to "has one".
std::vector<int> playAScene(SoundBank& bank) {
    bank.playIntro(0.5f), bank.freeIntro(), bank.playSong(0.5f);
    bank.playMouseOver(1), bank.playMouseOver(1), bank.playClick(1), bank.playMouseOver(0), bank.stopAllSounds();
    for (int frame = 0; frame < 4; ++frame) {
        const float hearing = bank.countBusyChannels(range);
        for (int slot = 0; slot < 3; ++slot) bank.reportAmbient(161, slot, slot * 2.0f, hearing, slot - 1.0f);
        if (frame < 2) bank.reportAmbient(141, 0, 1.0f, hearing, 0.0f);
        bank.reportAmbient(101, 0, 0.0f, hearing, 0.0f);
        for (int code : {0, 5, 11, 21, 23, 27, 87, 90, 91, 92, 96, 97, 98, 99})
            bank.playEvent(code, 1.0f, hearing, 0.5f);
        bank.setAlarmLoop(frame < 2 ? 6 : 9, 0.0f, hearing, 0.0f);
        bank.mixAmbient(0.5f);
    }
    std::vector<Heard> loops;
    for (const ChannelView& view : allChannels(bank))
        if (view.looping) loops.push_back(heard(view));
    std::sort(loops.begin(), loops.end());
    std::vector<int> books = {static_cast<int>(loops.size())};
    for (const Heard& loop : loops) books.insert(books.end(), loop.begin(), loop.end());
    for (int kind = 100; kind < 200; ++kind) {
        const AmbientView v = bank.ambient(kind);
        books.insert(books.end(),
                     {v.channel != -1, v.previousChannel != -1, v.volumeSum, v.leftSum, v.rightSum, v.reports});
    }
    bank.playLevelEnd(2, 0.5f), bank.playLevelEnd(0, 0.5f);
    return books;
}
}  // namespace

class SoundBankTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { writeAllSounds(*(files = new TempDirectory())); }
    static void TearDownTestSuite() { delete files; }
    void SetUp() override {
        loadFrom(*bank, *files);
        n = bank->channelCount();
        bank->mixAmbient(1.0f);  // volume factor 1 for the hand-computed levels
    }

    inline static TempDirectory* files = nullptr;
    AudioSubsystem audio;
    std::unique_ptr<SoundBank> bank = std::make_unique<SoundBank>();
    int n = 0;
};

TEST_F(SoundBankTest, ActorsOfAKindShareOneLoopAtTheirMeanLevelWhileTheyReport) {
    ASSERT_TRUE(bank->mixerOpen());
    EXPECT_EQ((std::array{n, bank->mixerFrequency(), bank->mixerOutputChannels()}), (std::array{16, 22050, 2}));
    for (int frame = 0; frame < 3; ++frame) {
        bank->reportAmbient(161, 0, 0.0f, range, -range / 2);      // 127, fully left
        bank->reportAmbient(161, 1, range / 2, range, range / 2);  // 63, fully right
        bank->reportAmbient(161, 2, range * 0.9f, range, 0.0f);    // 12, centred
        if (frame < 2) bank->reportAmbient(141, 0, 1.0f, range, 0.0f);
        EXPECT_EQ(bank->ambient(161).reports, 3);
        bank->mixAmbient(1.0f);
        const ChannelView loop = bank->channel(bank->ambient(161).previousChannel);
        const Heard mean{Sound::obstacleNoise, (127 + 63 + 12) / 3, (255 + 0 + 127) / 3, (0 + 255 + 127) / 3};
        EXPECT_EQ(heard(loop), mean);
        EXPECT_EQ(loop.starts, 1) << "the loop is started once, not every frame";
    }
    // The blossom stopped reporting: its loop is gone, and comes back fresh.
    EXPECT_EQ(bank->ambient(141).previousChannel, -1);
    EXPECT_EQ(countChannels(*bank, [](const ChannelView& v) { return v.looping; }), 1);

    // Each kind chooses its loop; unknown kinds, and kinds without a loop, take no channel.
    const int loops[][2] = {{101, Sound::lowEnergy},          {107, Sound::freezeTimeEarly},
                            {108, Sound::freezeTimeLate},     {130, Sound::primaNoise},
                            {131, Sound::powerUpNoise131},    {137, Sound::powerUpNoise131 + 3},
                            {141, Sound::projectileNoise141}, {144, Sound::projectileNoise141 + 3}};
    for (int kind : {-5, 0, 99, 100, 106, 145, 160, 171, 200, INT_MAX, INT_MIN, 109, 110, 139, 140})
        bank->reportAmbient(kind, 0, 1.0f, range, 0.0f);
    EXPECT_EQ(countChannels(*bank, [](const ChannelView& v) { return v.record != -1; }), 1);
    for (const auto& loop : loops) bank->reportAmbient(loop[0], 0, 1.0f, range, 0.0f);
    for (const auto& loop : loops) EXPECT_EQ(bank->channel(bank->ambient(loop[0]).channel).sound, loop[1]) << loop[0];
}

TEST_F(SoundBankTest, EventsPlayOnTheirChannelsAtTheirLevelsOrNotAtAll) {
    const std::vector<ChannelView> silent = allChannels(*bank);
    for (int code : {-1, 9, 10, 15, 16, 20, 28, 50, 86, 89, 94, 95, 100, INT_MAX, INT_MIN})
        bank->playEvent(code, 0, range, 0);
    EXPECT_EQ(allChannels(*bank), silent);
    // Positional events take the first free channel and pan by position; input, freeze and avatar
    // sounds (n-3), talents, letters and the high score (n-1) are centred at full volume; the Prima
    // Ballerina's (n-2) are positioned and four times as loud. 14 and 22 only set levels, 98 waits.
    const int c = 127, far = 50;  // the Prima Ballerina's at 0.9 of the range: 4 x 0.1 x 127
    const int plan[][8] = {// code, channel, far away at the left?, what is heard (sound, volume, left, right), starts
        {0, 0, 0, Sound::projectileExplosion, c, 127, 127, 1}, {5, 1, 1, Sound::projectileStart, 12, 255, 1, 1},
        {27, 2, 0, Sound::obstacleCollision, c, 127, 127, 1}, {87, n - 3, 0, Sound::rightInput, c, 255, 255, 1},
        {88, n - 3, 0, Sound::wrongInput, c, 255, 255, 1},    {92, n - 3, 0, Sound::rewindTime, c, 255, 255, 1},
        {96, n - 3, 0, Sound::freezeTime, c, 255, 255, 1},
        {93, n - 3, 0, Sound::notFirstAvatarChange, c, 255, 255, 1},
        {97, n - 3, 0, Sound::firstAvatarChange, c, 255, 255, 1},
        {23, n - 1, 0, Sound::playerGetPowerUp, c, 255, 255, 1},
        {90, n - 1, 0, Sound::letter, c, 255, 255, 1},        {99, n - 1, 0, Sound::newHighScore, c, 255, 255, 1},
        {22, n - 1, 0, Sound::newHighScore, c, 255, 255, 0},  {98, n - 1, 0, Sound::newHighScore, c, 255, 255, 0},
        {11, n - 2, 1, Sound::primaCollision1, far, 255, 1, 1},
        {13, n - 2, 1, Sound::primaCollision1 + 2, far, 255, 1, 1},
        {21, n - 2, 1, Sound::primaExplosion, far, 255, 1, 1}, {91, n - 2, 1, Sound::tryAvatarChange, far, 255, 1, 1},
        {14, n - 2, 0, Sound::tryAvatarChange, c, 127, 127, 0}};
    for (const auto& step : plan) {
        const int starts = bank->channel(step[1]).starts;
        bank->playEvent(step[0], step[2] ? range * 0.9f : 0.0f, range, step[2] ? -range / 2 : 0.0f);
        EXPECT_EQ(heard(bank->channel(step[1])), (Heard{step[3], step[4], step[5], step[6]})) << step[0];
        EXPECT_EQ(bank->channel(step[1]).starts - starts, step[7]) << step[0];
    }
    bank->mixAmbient(0.5f);  // the volume factor of the last frame scales event volumes
    bank->playEvent(3, 0.0f, range, 0.0f);
    EXPECT_EQ(heard(bank->channel(3)), (Heard{Sound::projectileExplosion, 63, 127, 127}));
    // Requested in every frame while the choice stands, 98 starts once its channel is free.
    bank->stopAllSounds();
    for (int frame = 0; frame < 2; ++frame) bank->playEvent(98, 0.0f, range, 0.0f);
    EXPECT_EQ(std::pair(bank->channel(n - 1).sound, bank->channel(n - 1).starts),
              std::pair(int(Sound::avatarChangePossible), 4));
}

TEST_F(SoundBankTest, BusyChannelsDropEventsThenKindsBeyondTheAmbientChannels) {
    // Loops fill the channels events may take, 0 .. n-6; then 0 .. n-5, and the kinds beyond are counted but silent.
    const int kinds[] = {101, 107, 108, 111, 112, 113, 131, 132, 133, 134, 141, 142, 143, 161};
    for (int i = 0; i < 11; ++i) bank->reportAmbient(kinds[i], 0, 1.0f, range, 0.0f);
    const std::vector<ChannelView> before = allChannels(*bank);
    bank->playEvent(5, 1.0f, range, 0.0f);
    EXPECT_EQ(allChannels(*bank), before) << "channel n-5 is not for events";
    for (int i = 11; i < 14; ++i) bank->reportAmbient(kinds[i], 0, 1.0f, range, 0.0f);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(bank->ambient(kinds[i]).channel == -1, i >= n - 4) << kinds[i];
    EXPECT_EQ(bank->ambient(kinds[n - 4]).reports, 1);
}

TEST_F(SoundBankTest, AlarmAndMouseOverLoopsStartOncePerBandOrButton) {
    const struct {
        void (SoundBank::*play)(int);
        int channel, value, sound, starts, volume;  // sound -1: faded out
    } steps[] = {{&SoundBank::playMouseOver, 1, 1, Sound::mouseOverPlay, 1, 25},  // 127 x 0.8 / 4
                 {&SoundBank::playMouseOver, 1, 4, Sound::mouseOverChangeInfoScreen, 2, 25},
                 {&SoundBank::playMouseOver, 1, 0, -1, 2, 25},
                 {&SoundBank::playMouseOver, 1, 2, Sound::mouseOverQuit, 3, 25},
                 {nullptr, n - 4, 6, Sound::alarm1 + 1, 1, 101}, {nullptr, n - 4, 5, Sound::alarm1 + 1, 1, 101},
                 {nullptr, n - 4, 9, Sound::alarm1 + 2, 2, 101}, {nullptr, n - 4, 11, Sound::alarm1 + 3, 3, 101},
                 {nullptr, n - 4, 40, Sound::alarm1 + 3, 3, 101}, {nullptr, n - 4, 2, Sound::alarm1, 4, 101},
                 {nullptr, n - 4, 1, -1, 4, 101},  // one singing muse fades the alarm out
                 {nullptr, n - 4, 3, Sound::alarm1, 5, 101}};
    for (const auto& step : steps) {
        for (int frame = 0; frame < 3; ++frame) {
            if (step.play != nullptr) (bank.get()->*step.play)(step.value);
            else bank->setAlarmLoop(step.value, 0.0f, range, 0.0f);
            bank->mixAmbient(0.8f);
        }
        const ChannelView view = bank->channel(step.channel);
        EXPECT_EQ((std::array{view.looping ? view.sound : -1, view.starts}), (std::array{step.sound, step.starts}))
            << step.value;
        if (step.sound != -1) {
            EXPECT_EQ(heard(view), (Heard{step.sound, step.volume, 255, 255})) << step.value;
        }
    }
    // After a stop of every sound the alarm stays silent within its band and starts again with the next.
    bank->stopAllSounds(), bank->setAlarmLoop(3, 0.0f, range, 0.0f);
    EXPECT_FALSE(bank->channel(n - 4).looping);
    bank->setAlarmLoop(5, 0.0f, range, 0.0f);
    EXPECT_EQ(bank->channel(n - 4).starts, 6);
    // At volume 0 SDL_mixer would not fade the hover loop: it must not keep channel 1 for good.
    bank->mixAmbient(0.0f), bank->playMouseOver(1), bank->playMouseOver(0), bank->mixAmbient(0.0f);
    EXPECT_EQ(bank->channel(1).record, -1);
}

TEST_F(SoundBankTest, ClicksLevelEndsMusicAndStoppingEverything) {
    bank->mixAmbient(0.5f);
    bank->playClick(3), bank->playClick(4);  // the level selector's second click in the same frame is not heard
    EXPECT_EQ(heard(bank->channel(2)), (Heard{Sound::clickChangeLevel, 63, 255, 255}));
    bank->stopAllSounds(), bank->playClick(7);
    EXPECT_EQ(bank->channel(2).record, -1);

    bank->playIntro(0.5f);
    EXPECT_EQ(std::pair(bank->musicPlaying(), bank->musicVolume()), std::pair(MusicTrack::intro, 63));
    bank->freeIntro(), bank->freeIntro(), bank->playIntro(0.5f);  // freed: it plays nothing
    EXPECT_FALSE(bank->musicLoaded(MusicTrack::intro));
    bank->playSong(1.0f);
    EXPECT_EQ(std::pair(bank->musicPlaying(), bank->musicVolume()), std::pair(MusicTrack::song, 127));
    for (const auto& [volume, level] : {std::pair{0.2f, 25}, {7.0f, 127}, {-1.0f, 0}}) {
        bank->mixAmbient(volume);
        EXPECT_EQ(bank->musicVolume(), level) << volume;
    }

    bank->reportAmbient(161, 0, 1.0f, range, 0.0f), bank->mixAmbient(1.0f);
    bank->setAlarmLoop(4, 0.0f, range, 0.0f), bank->playEvent(87, 0.0f, range, 0.0f);
    EXPECT_EQ(bank->countBusyChannels(7.5f), 7.5f);  // counts, and hands the range back
    EXPECT_EQ(bank->busyChannelCount(), 3);
    const int endings[][3] = {{1, Sound::levelGoodEnd, 63}, {2, Sound::levelBadEnd, 127},
                              {3, Sound::levelHighscoreEnd, 127}, {0, Sound::levelHighscoreEnd, 31}};  // 0: nothing
    for (const auto& e : endings) {
        bank->playLevelEnd(e[0], e[2] / 127.0f + 0.001f);
        for (int channel = 0; channel < n - 1; ++channel) EXPECT_FALSE(bank->channel(channel).looping) << channel;
        EXPECT_EQ((std::array{bank->channel(n - 1).sound, bank->channel(n - 1).volume}), (std::array{e[1], e[2]}));
    }
    EXPECT_EQ(bank->channel(0).volume, 0) << "ending 0 silences the stage";
    bank->stopAllSounds();
    for (const ChannelView& view : allChannels(*bank)) EXPECT_EQ(view.record, -1);
    EXPECT_EQ(bank->musicPlaying(), MusicTrack::none);
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    EXPECT_TRUE(bank->channel(bank->ambient(161).channel).looping) << "the muse's loop starts afresh";
}

TEST(SoundBankFiles, BrokenAndForeignFilesAreRefusedWhileTheRestLoads) {
    AudioSubsystem audio;
    TempDirectory dir;
    // Every structure the check refuses is refused from a music file too (WaveCheckTest); here the bank's own grounds.
    const Bytes good = waveBytes();
    const std::vector<Bytes> broken = {{}, {'R', 'I', 'F', 'F'}, Bytes(good.begin(), good.begin() + 60),
                                       waveBytes({1, 2, 44100, 16, 44100 * 96}), nestedRiff()};  // 16.2 MiB
    for (int sound = 0; sound < Sound::count; ++sound)
        dir.write(Sound::fileName(sound), sound < static_cast<int>(broken.size()) ? broken[sound] : good);
    std::filesystem::remove(dir.path(Sound::fileName(20)));
    std::filesystem::create_directory(dir.path(Sound::fileName(20)));  // a directory where a file should be
    dir.write(Sound::songFile, nestedRiff()), dir.write(Sound::introFile, good);

    SoundBank bank;
    bank.setSoundDirectory(dir.path("").c_str());  // with the trailing separator
    EXPECT_FALSE(bank.setSoundDirectory(std::string(4000, 'a').c_str()));
    EXPECT_EQ(bank.soundDirectory(), dir.path("")) << "a refused directory keeps the old one";
    bank.load(), bank.load();  // a second time starts afresh
    // Each refused file is named once, with a reason, for the log.
    std::vector<std::string> refused, expected;
    for (int sound = 0; sound < Sound::count; ++sound)
        if (sound < static_cast<int>(broken.size()) || sound == 20) expected.push_back(Sound::fileName(sound));
    expected.push_back(Sound::songFile);
    for (int index = 0; index < bank.refusalCount(); ++index)
        refused.push_back(bank.refusal(index).reason != nullptr ? bank.refusal(index).file : "no reason");
    EXPECT_EQ(refused, expected);
    for (int sound = 0; sound < Sound::count; ++sound) EXPECT_EQ(bank.soundLoaded(sound), sound >= 5 && sound != 20);
    EXPECT_TRUE(!bank.musicLoaded(MusicTrack::song) && bank.musicLoaded(MusicTrack::intro));
    // Playing the refused sounds is silent and harmless.
    bank.reportAmbient(101, 0, 1.0f, range, 0.0f), bank.playEvent(0, 1.0f, range, 0.0f), bank.playSong(1.0f);
    bank.mixAmbient(1.0f);
    EXPECT_TRUE(bank.channel(bank.ambient(101).previousChannel).looping);
}

TEST(SoundBankFiles, MissingFilesOrNoAudioDevicePlaySilentlyWithTheSameBookkeeping) {
    TempDirectory full, empty;
    writeAllSounds(full);
    std::vector<int> withFiles;
    {
        AudioSubsystem audio;  // one bank at a time: SDL_mixer's channels are shared by the process
        SoundBank never;       // never loaded: playing is harmless
        never.playEvent(99, 0.0f, range, 0.0f), never.reportAmbient(161, 0, 1.0f, range, 0.0f), never.mixAmbient(1.0f);
    }
    for (const TempDirectory* dir : {&full, &empty}) {
        AudioSubsystem audio;
        SoundBank bank;
        loadFrom(bank, *dir);
        EXPECT_TRUE(bank.mixerOpen());
        EXPECT_EQ(bank.refusalCount(), dir == &full ? 0 : Sound::count + 2);
        const std::vector<int> books = playAScene(bank);
        if (dir == &full) withFiles = books;
        EXPECT_EQ(books, withFiles);
        EXPECT_EQ(withFiles[0], 3) << "the muses, the low-energy warning and the alarm";
        // One-shots are over once their sound is: a null one at once.
        bank.stopAllSounds(), bank.playEvent(99, 0.0f, range, 0.0f), bank.mixAmbient(0.5f);
        EXPECT_EQ(bank.channel(bank.channelCount() - 1).record, dir == &full ? bank.channelCount() - 1 : -1);
    }
    // An audio driver that cannot be opened: the mixer stays shut.
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    {
        AudioSubsystem audio;
        SoundBank deviceless;
        loadFrom(deviceless, full);
        EXPECT_EQ((std::array<int, 3>{deviceless.mixerOpen(), deviceless.channelCount(), deviceless.mixerFrequency()}),
                  (std::array{0, 16, 0}));
        EXPECT_EQ(playAScene(deviceless), withFiles);
    }
    if (previous != nullptr) setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else unsetenv("SDL_AUDIODRIVER");
}
