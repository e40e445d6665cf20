#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "SoundBankFixture.h"

using namespace soundtest;

TEST_F(SoundBankTest, LoadsEverySoundAndOpensTheMixer) {
    EXPECT_TRUE(bank->mixerOpen());
    EXPECT_EQ(n, 16);
    EXPECT_EQ(bank->mixerFrequency(), 22050);
    EXPECT_EQ(bank->mixerOutputChannels(), 2);
    EXPECT_EQ(bank->mixerChunkSize(), 4096);
    for (int sound = 0; sound < Sound::count; ++sound) EXPECT_TRUE(bank->soundLoaded(sound)) << Sound::fileName(sound);
    EXPECT_TRUE(bank->musicLoaded(MusicTrack::song));
    EXPECT_TRUE(bank->musicLoaded(MusicTrack::intro));
    for (const ChannelView& view : allChannels(*bank)) EXPECT_EQ(view.record, -1);
    for (const AmbientView& view : allAmbient(*bank)) EXPECT_EQ(view, AmbientView());
}

TEST_F(SoundBankTest, ThreeActorsOfOneKindShareOneLoopAtTheirMeanLevel) {
    for (int frame = 0; frame < 3; ++frame) {
        bank->reportAmbient(161, 0, 0.0f, range, -range / 2);  // 127, fully left
        bank->reportAmbient(161, 1, range / 2, range, range / 2);  // 63, fully right
        bank->reportAmbient(161, 2, range * 0.9f, range, 0.0f);  // 12, centred
        const AmbientView during = bank->ambient(161);
        EXPECT_EQ(during.reports, 3);
        ASSERT_NE(during.channel, -1);
        bank->mixAmbient(1.0f);

        const AmbientView after = bank->ambient(161);
        EXPECT_EQ(after.previousChannel, during.channel);
        EXPECT_EQ(after.channel, -1);
        EXPECT_EQ(after.reports, 0);
        const ChannelView loop = bank->channel(after.previousChannel);
        EXPECT_EQ(loop.sound, Sound::obstacleNoise);
        EXPECT_TRUE(loop.looping);
        EXPECT_EQ(loop.starts, 1) << "the loop is started once, not every frame";
        EXPECT_EQ(loop.volume, (127 + 63 + 12) / 3);
        EXPECT_EQ(loop.left, (255 + 0 + 127) / 3);
        EXPECT_EQ(loop.right, (0 + 255 + 127) / 3);
        EXPECT_EQ(channelsHolding(*bank, Sound::obstacleNoise), 1);
    }
}

TEST_F(SoundBankTest, AKindThatStopsReportingLosesItsLoopInTheNextFrame) {
    bank->reportAmbient(141, 0, 1.0f, range, 0.0f);
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank->mixAmbient(1.0f);
    const int blossomChannel = bank->ambient(141).previousChannel;
    const int museChannel = bank->ambient(161).previousChannel;
    ASSERT_NE(blossomChannel, -1);
    ASSERT_NE(museChannel, -1);
    EXPECT_NE(blossomChannel, museChannel);
    EXPECT_EQ(bank->channel(blossomChannel).sound, Sound::projectileNoise141);

    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);  // the blossom is gone
    bank->mixAmbient(1.0f);
    EXPECT_EQ(bank->ambient(141).previousChannel, -1);
    EXPECT_EQ(bank->channel(blossomChannel).record, -1);
    EXPECT_FALSE(bank->channel(blossomChannel).looping);
    EXPECT_EQ(bank->ambient(161).previousChannel, museChannel);
    EXPECT_TRUE(bank->channel(museChannel).looping);

    // Coming back, the kind starts a fresh loop.
    bank->reportAmbient(141, 0, 1.0f, range, 0.0f);
    EXPECT_NE(bank->ambient(141).channel, -1);
    EXPECT_EQ(bank->channel(bank->ambient(141).channel).sound, Sound::projectileNoise141);
}

TEST_F(SoundBankTest, KindsChooseTheirLoopsAndUnacceptedKindsNothing) {
    const int loops[][2] = {{101, Sound::lowEnergy},           {107, Sound::freezeTimeEarly},
                            {108, Sound::freezeTimeLate},      {130, Sound::primaNoise},
                            {131, Sound::powerUpNoise131},     {137, Sound::powerUpNoise131 + 3},
                            {141, Sound::projectileNoise141},  {144, Sound::projectileNoise141 + 3},
                            {170, Sound::obstacleNoise}};
    for (const auto& loop : loops) bank->reportAmbient(loop[0], 0, 1.0f, range, 0.0f);
    for (const auto& loop : loops) {
        const int channel = bank->ambient(loop[0]).channel;
        ASSERT_NE(channel, -1) << loop[0];
        EXPECT_LE(channel, n - 5);
        EXPECT_EQ(bank->channel(channel).sound, loop[1]) << loop[0];
    }
    bank->mixAmbient(1.0f);
    bank->mixAmbient(1.0f);  // nobody reports: every loop stops

    // The cat, the camera and kinds outside the table play nothing; kinds
    // accepted without a loop of their own take no channel.
    const std::vector<ChannelView> before = allChannels(*bank);
    for (int kind : {-5, 0, 99, 100, 106, 145, 160, 171, 200, 1000, INT_MAX, INT_MIN, 109, 110, 139, 140})
        bank->reportAmbient(kind, 0, 1.0f, range, 0.0f);
    EXPECT_EQ(allChannels(*bank), before);
    bank->mixAmbient(1.0f);
    EXPECT_EQ(allChannels(*bank), before);
}

TEST_F(SoundBankTest, PositionalEventsTakeTheFirstFreeChannelAndPanByPosition) {
    bank->playEvent(0, 0.0f, range, -range / 2);
    bank->playEvent(5, range / 2, range, range / 2);
    bank->playEvent(27, 0.0f, range, 0.0f);

    const ChannelView explosion = bank->channel(0);
    EXPECT_EQ(explosion.sound, Sound::projectileExplosion);
    EXPECT_FALSE(explosion.looping);
    EXPECT_EQ(explosion.volume, 127);
    EXPECT_EQ(explosion.left, 255);
    EXPECT_EQ(explosion.right, 1);

    const ChannelView start = bank->channel(1);
    EXPECT_EQ(start.sound, Sound::projectileStart);
    EXPECT_EQ(start.volume, 63);
    EXPECT_EQ(start.left, 1);
    EXPECT_EQ(start.right, 255);

    EXPECT_EQ(bank->channel(2).sound, Sound::obstacleCollision);
    EXPECT_EQ(bank->channel(2).left, 127);
    EXPECT_EQ(bank->channel(2).right, 127);

    // The volume factor of the last frame scales event volumes.
    bank->mixAmbient(0.5f);
    bank->playEvent(3, 0.0f, range, 0.0f);
    EXPECT_EQ(bank->channel(3).sound, Sound::projectileExplosion);
    EXPECT_EQ(bank->channel(3).volume, 63);
}

TEST_F(SoundBankTest, BusyChannelsDropEventsThenKindsBeyondTheAmbientChannels) {
    // Loops fill channels 0 .. n-6, the ones positional events may take.
    const int kinds[] = {101, 107, 108, 111, 112, 113, 131, 132, 133, 134, 141, 142, 143, 161};
    for (int i = 0; i < 11; ++i) bank->reportAmbient(kinds[i], 0, 1.0f, range, 0.0f);
    for (int channel = 0; channel <= n - 6; ++channel) ASSERT_TRUE(bank->channel(channel).looping);
    const std::vector<ChannelView> before = allChannels(*bank);
    for (int code : {0, 4, 5, 8, 27}) bank->playEvent(code, 1.0f, range, 0.0f);
    EXPECT_EQ(allChannels(*bank), before);
    EXPECT_EQ(bank->channel(n - 5).record, -1) << "channel n-5 is not for events";

    // Channels 0 .. n-5 carry ambient loops: one kind each; the rest are counted but silent.
    for (int i = 11; i < 14; ++i) bank->reportAmbient(kinds[i], 0, 1.0f, range, 0.0f);
    const int ambientChannels = n - 4;
    int placed = 0;
    for (int kind : kinds) placed += bank->ambient(kind).channel != -1;
    EXPECT_EQ(placed, ambientChannels);
    const AmbientView dropped = bank->ambient(kinds[ambientChannels]);
    EXPECT_EQ(dropped.channel, -1);
    EXPECT_EQ(dropped.reports, 1);
    EXPECT_EQ(dropped.volumeSum, 0);
    for (int channel = n - 4; channel < n; ++channel) EXPECT_EQ(bank->channel(channel).record, -1);
    bank->mixAmbient(1.0f);
    EXPECT_EQ(bank->ambient(kinds[ambientChannels]).previousChannel, -1);
}

TEST_F(SoundBankTest, FixedChannelEventsFollowTheChannelPlan) {
    bank->mixAmbient(0.5f);
    const struct {
        int code;
        int channel;
        int sound;
    } plan[] = {{87, n - 3, Sound::rightInput},  {88, n - 3, Sound::wrongInput},
                {92, n - 3, Sound::rewindTime},  {93, n - 3, Sound::notFirstAvatarChange},
                {96, n - 3, Sound::freezeTime},  {97, n - 3, Sound::firstAvatarChange},
                {23, n - 1, Sound::playerGetPowerUp}, {26, n - 1, Sound::playerGetPowerUp},
                {90, n - 1, Sound::letter},      {99, n - 1, Sound::newHighScore}};
    for (const auto& step : plan) {
        bank->playEvent(step.code, 0.001f, range, 0.001f);
        const ChannelView view = bank->channel(step.channel);
        EXPECT_EQ(view.sound, step.sound) << step.code;
        EXPECT_EQ(view.record, step.channel) << step.code;
        EXPECT_EQ(view.volume, 63) << step.code;
        EXPECT_EQ(view.left, 255);
        EXPECT_EQ(view.right, 255);
    }

    // The Prima Ballerina's sounds are positioned and four times as loud.
    const struct {
        int code;
        int sound;
    } prima[] = {{11, Sound::primaCollision1}, {12, Sound::primaCollision1 + 1}, {13, Sound::primaCollision1 + 2},
                 {21, Sound::primaExplosion},   {91, Sound::tryAvatarChange}};
    for (const auto& step : prima) {
        bank->playEvent(step.code, range * 0.9f, range, -range / 2);
        const ChannelView view = bank->channel(n - 2);
        EXPECT_EQ(view.sound, step.sound) << step.code;
        EXPECT_EQ(view.volume, 25) << step.code;  // 4 x 0.1 x 127 x 0.5
        EXPECT_EQ(view.left, 255);
        EXPECT_EQ(view.right, 1);
    }

    // Codes 14 and 22 set the level of their channel and start nothing.
    const int startsBefore = bank->channel(n - 2).starts + bank->channel(n - 1).starts;
    bank->playEvent(14, 0.0f, range, range / 2);
    bank->playEvent(22, 0.0f, range, range / 2);
    EXPECT_EQ(bank->channel(n - 2).starts + bank->channel(n - 1).starts, startsBefore);
    EXPECT_EQ(bank->channel(n - 2).right, 255);
    EXPECT_EQ(bank->channel(n - 2).left, 1);
    EXPECT_EQ(bank->channel(n - 2).volume, 127);
}

TEST_F(SoundBankTest, AvatarChangePossibleWaitsUntilItsChannelIsFree) {
    bank->playEvent(99, 0.001f, range, 0.001f);
    ASSERT_EQ(bank->channel(n - 1).record, n - 1);
    const ChannelView busy = bank->channel(n - 1);
    bank->playEvent(98, 0.001f, range, 0.001f);
    EXPECT_EQ(bank->channel(n - 1), busy);

    bank->stopAllSounds();
    bank->playEvent(98, 0.001f, range, 0.001f);
    EXPECT_EQ(bank->channel(n - 1).sound, Sound::avatarChangePossible);
    EXPECT_EQ(bank->channel(n - 1).starts, busy.starts + 1);
    // Requested in every frame while the choice stands, it is not restarted while it sounds.
    bank->playEvent(98, 0.001f, range, 0.001f);
    EXPECT_EQ(bank->channel(n - 1).starts, busy.starts + 1);
}

TEST_F(SoundBankTest, UnknownEventCodesDoNothing) {
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank->mixAmbient(1.0f);
    const std::vector<ChannelView> channels = allChannels(*bank);
    const std::vector<AmbientView> ambient = allAmbient(*bank);
    for (int code : {-1, 9, 10, 15, 16, 20, 28, 50, 86, 89, 94, 95, 100, 127, 255, INT_MAX, INT_MIN})
        bank->playEvent(code, 0.0f, range, 0.0f);
    EXPECT_EQ(allChannels(*bank), channels);
    EXPECT_EQ(allAmbient(*bank), ambient);
}

TEST_F(SoundBankTest, AlarmLoopStartsOncePerBandAndSwitchesOnTheSameChannel) {
    const int alarm = n - 4;
    for (int frame = 0; frame < 10; ++frame) {
        bank->setAlarmLoop(6, 0.0f, range, 0.0f);
        bank->mixAmbient(1.0f);
    }
    EXPECT_EQ(bank->channel(alarm).sound, Sound::alarm1 + 1);
    EXPECT_TRUE(bank->channel(alarm).looping);
    EXPECT_EQ(bank->channel(alarm).starts, 1);
    EXPECT_EQ(bank->channel(alarm).volume, 127);

    bank->setAlarmLoop(5, 0.0f, range, 0.0f);  // same band: no restart
    EXPECT_EQ(bank->channel(alarm).starts, 1);

    bank->setAlarmLoop(9, 0.0f, range, 0.0f);
    EXPECT_EQ(bank->channel(alarm).sound, Sound::alarm1 + 2);
    EXPECT_EQ(bank->channel(alarm).starts, 2);
    EXPECT_EQ(channelsHolding(*bank, Sound::alarm1 + 1), 0);

    bank->setAlarmLoop(11, 0.0f, range, 0.0f);
    bank->setAlarmLoop(40, 0.0f, range, 0.0f);
    EXPECT_EQ(bank->channel(alarm).sound, Sound::alarm1 + 3);
    EXPECT_EQ(bank->channel(alarm).starts, 3);

    bank->setAlarmLoop(2, 0.0f, range, 0.0f);
    EXPECT_EQ(bank->channel(alarm).sound, Sound::alarm1);
    EXPECT_EQ(bank->channel(alarm).starts, 4);

    bank->setAlarmLoop(1, 0.0f, range, 0.0f);
    EXPECT_FALSE(bank->channel(alarm).looping) << "one singing muse fades the alarm out";
    bank->setAlarmLoop(3, 0.0f, range, 0.0f);
    EXPECT_TRUE(bank->channel(alarm).looping);
    EXPECT_EQ(bank->channel(alarm).starts, 5);

    // After every sound was stopped, the same band comes back.
    bank->stopAllSounds();
    bank->setAlarmLoop(3, 0.0f, range, 0.0f);
    EXPECT_TRUE(bank->channel(alarm).looping);
    EXPECT_EQ(bank->channel(alarm).starts, 6);
    EXPECT_EQ(bank->lastAlarmLevel(), 3);
}

TEST_F(SoundBankTest, FinishedOneShotsFreeTheirChannels) {
    wavetest::TempDirectory shortSounds;
    writeAllSounds(shortSounds.path(), 220);  // 10 ms each
    SoundBank quick;
    quick.setSoundDirectory(shortSounds.string().c_str());
    quick.load();
    quick.mixAmbient(1.0f);
    quick.playEvent(0, 1.0f, range, 0.0f);
    quick.playEvent(99, 0.001f, range, 0.001f);
    quick.reportAmbient(161, 0, 1.0f, range, 0.0f);
    ASSERT_EQ(quick.channel(0).sound, Sound::projectileExplosion);
    const int museChannel = quick.ambient(161).channel;
    // The mixer plays them out in real time; give it a few of its buffers.
    for (int wait = 0; wait < 150 && (quick.channel(0).record != -1 || quick.channel(quick.channelCount() - 1).record != -1); ++wait) {
        SDL_Delay(20);
        quick.reportAmbient(161, 0, 1.0f, range, 0.0f);
        quick.mixAmbient(1.0f);
    }
    EXPECT_EQ(quick.channel(0).record, -1);
    EXPECT_EQ(quick.channel(quick.channelCount() - 1).record, -1);
    EXPECT_EQ(quick.channel(museChannel).record, museChannel) << "a loop outlives its sound file's length";
}
