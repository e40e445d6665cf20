#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "SoundBankFixture.h"

using namespace soundtest;

TEST_F(SoundBankTest, MouseOverKeepsOneLoopPerButtonAndFadesOnZero) {
    const struct {
        int button;
        int sound;  // -1: faded out
        int starts;
    } steps[] = {{1, Sound::mouseOverPlay, 1}, {4, Sound::mouseOverChangeInfoScreen, 2}, {0, -1, 2},
                 {2, Sound::mouseOverQuit, 3}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        for (int frame = 0; frame < 3; ++frame) {
            bank->playMouseOver(step.button);
            bank->mixAmbient(0.8f);
        }
        const ChannelView hover = bank->channel(1);
        EXPECT_EQ(hover.looping, step.sound != -1);
        EXPECT_EQ(hover.starts, step.starts);
        if (step.sound != -1) {
            EXPECT_EQ(heard(hover), (Heard{step.sound, 25, 255, 255}));  // 127 x 0.8 / 4
        }
        EXPECT_EQ(bank->lastMouseOver(), step.button);
    }

    // With the volume slider at zero the loop plays at volume 0, which
    // SDL_mixer would not fade; it must not keep channel 1 for good.
    bank->mixAmbient(0.0f);
    bank->playMouseOver(1);
    ASSERT_EQ(bank->channel(1).volume, 0);
    bank->playMouseOver(0);
    bank->mixAmbient(0.0f);
    EXPECT_EQ(bank->channel(1).record, -1);
}

TEST_F(SoundBankTest, ClickPlaysOnlyWhenTheClickChannelIsFree) {
    bank->mixAmbient(0.5f);
    bank->playClick(3);
    const ChannelView click = bank->channel(2);
    EXPECT_EQ(heard(click), (Heard{Sound::clickChangeLevel, 63, 255, 255}));
    EXPECT_FALSE(click.looping);
    bank->playClick(4);  // the level selector's second click in the same frame
    EXPECT_EQ(bank->channel(2), click);

    bank->stopAllSounds();
    bank->playClick(1);
    EXPECT_EQ(bank->channel(2).sound, Sound::clickPlay);
    bank->stopAllSounds();
    bank->playClick(7);
    EXPECT_EQ(bank->channel(2).record, -1);
}

TEST_F(SoundBankTest, LevelEndFadesTheStageAndPlaysTheEnding) {
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank->mixAmbient(1.0f);
    bank->setAlarmLoop(4, 0.0f, range, 0.0f);
    bank->playLevelEnd(1, 0.5f);
    EXPECT_FLOAT_EQ(bank->volumeFactor(), 0.5f);
    for (int channel = 0; channel < n - 1; ++channel) EXPECT_FALSE(bank->channel(channel).looping) << channel;
    EXPECT_EQ(bank->channel(n - 1).sound, Sound::levelGoodEnd);
    EXPECT_EQ(bank->channel(n - 1).volume, 63);

    bank->playLevelEnd(2, 1.0f);
    EXPECT_EQ(bank->channel(n - 1).sound, Sound::levelBadEnd);
    bank->playLevelEnd(3, 1.0f);
    EXPECT_EQ(bank->channel(n - 1).sound, Sound::levelHighscoreEnd);

    bank->playLevelEnd(0, 0.25f);
    for (int channel = 0; channel < n - 1; ++channel) EXPECT_EQ(bank->channel(channel).volume, 0) << channel;
    EXPECT_EQ(bank->channel(n - 1).volume, 31);
    EXPECT_EQ(bank->channel(n - 1).sound, Sound::levelHighscoreEnd) << "ending 0 plays nothing";
}

TEST_F(SoundBankTest, StopAllSoundsForgetsEveryChannelAndLoop) {
    EXPECT_EQ(bank->countBusyChannels(7.5f), 7.5f);  // counts, and hands the range back
    EXPECT_EQ(bank->busyChannelCount(), 0);
    bank->playSong(0.5f);
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank->mixAmbient(1.0f);
    const int museChannel = bank->ambient(161).previousChannel;
    bank->reportAmbient(141, 0, 1.0f, range, 0.0f);
    bank->setAlarmLoop(6, 0.0f, range, 0.0f);
    bank->playEvent(87, 0.001f, range, 0.001f);
    bank->countBusyChannels(range);
    EXPECT_EQ(bank->busyChannelCount(), 4);
    bank->stopAllSounds();
    for (const ChannelView& view : allChannels(*bank)) {
        EXPECT_EQ(view.record, -1);
        EXPECT_FALSE(view.looping);
    }
    EXPECT_EQ(bank->musicPlaying(), MusicTrack::none);
    bank->countBusyChannels(range);
    EXPECT_EQ(bank->busyChannelCount(), 0);

    // The muse's loop starts again when she reports in the next frame, on a
    // channel that is not still fading out.
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    const int fresh = bank->ambient(161).channel;
    ASSERT_NE(fresh, -1);
    EXPECT_TRUE(bank->channel(fresh).looping);
    EXPECT_EQ(bank->channel(fresh).sound, Sound::obstacleNoise);
    EXPECT_EQ(bank->channel(fresh).starts, fresh == museChannel ? 2 : 1);
}

TEST_F(SoundBankTest, MusicFollowsIntroSongAndVolume) {
    bank->playIntro(0.5f);
    EXPECT_EQ(bank->musicPlaying(), MusicTrack::intro);
    EXPECT_EQ(bank->musicVolume(), 63);
    bank->freeIntro();
    EXPECT_FALSE(bank->musicLoaded(MusicTrack::intro));
    EXPECT_EQ(bank->musicPlaying(), MusicTrack::none);
    bank->freeIntro();      // a second time is harmless
    bank->playIntro(0.5f);  // and the freed intro plays nothing
    bank->playSong(1.0f);
    EXPECT_EQ(bank->musicPlaying(), MusicTrack::song);
    EXPECT_EQ(bank->musicVolume(), 127);
    // The frame's volume sets the music's, clamped to 0..1.
    for (const auto& [volume, level] : {std::array{0.2f, 25.0f}, {7.0f, 127.0f}, {-1.0f, 0.0f}}) {
        bank->mixAmbient(volume);
        EXPECT_EQ(bank->musicVolume(), level) << volume;
    }
}
