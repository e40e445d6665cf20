#include <gtest/gtest.h>

#include <array>
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
        bank->reportAmbient(161, 0, 0.0f, range, -range / 2);      // 127, fully left
        bank->reportAmbient(161, 1, range / 2, range, range / 2);  // 63, fully right
        bank->reportAmbient(161, 2, range * 0.9f, range, 0.0f);    // 12, centred
        const AmbientView during = bank->ambient(161);
        EXPECT_EQ(during.reports, 3);
        ASSERT_NE(during.channel, -1);
        bank->mixAmbient(1.0f);

        const AmbientView after = bank->ambient(161);
        EXPECT_EQ(after.previousChannel, during.channel);
        EXPECT_EQ(after.channel, -1);
        EXPECT_EQ(after.reports, 0);
        const ChannelView loop = bank->channel(after.previousChannel);
        EXPECT_EQ(heard(loop), (Heard{Sound::obstacleNoise, (127 + 63 + 12) / 3, (255 + 0 + 127) / 3,
                                           (0 + 255 + 127) / 3}));
        EXPECT_TRUE(loop.looping);
        EXPECT_EQ(loop.starts, 1) << "the loop is started once, not every frame";
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

    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);  // the blossom is gone
    bank->mixAmbient(1.0f);
    EXPECT_EQ(bank->ambient(141).previousChannel, -1);
    EXPECT_EQ(bank->channel(blossomChannel).record, -1);
    EXPECT_FALSE(bank->channel(blossomChannel).looping);
    EXPECT_EQ(bank->ambient(161).previousChannel, museChannel);
    EXPECT_TRUE(bank->channel(museChannel).looping);

    // Coming back, the kind starts a fresh loop.
    bank->reportAmbient(141, 0, 1.0f, range, 0.0f);
    ASSERT_NE(bank->ambient(141).channel, -1);
    EXPECT_EQ(bank->channel(bank->ambient(141).channel).sound, Sound::projectileNoise141);
}

TEST_F(SoundBankTest, KindsChooseTheirLoops) {
    const int loops[][2] = {{101, Sound::lowEnergy},          {107, Sound::freezeTimeEarly},
                            {108, Sound::freezeTimeLate},     {130, Sound::primaNoise},
                            {131, Sound::powerUpNoise131},    {137, Sound::powerUpNoise131 + 3},
                            {141, Sound::projectileNoise141}, {144, Sound::projectileNoise141 + 3},
                            {170, Sound::obstacleNoise}};
    for (const auto& loop : loops) bank->reportAmbient(loop[0], 0, 1.0f, range, 0.0f);
    for (const auto& loop : loops) {
        const int channel = bank->ambient(loop[0]).channel;
        ASSERT_NE(channel, -1) << loop[0];
        EXPECT_LE(channel, n - 5);
        EXPECT_EQ(bank->channel(channel).sound, loop[1]) << loop[0];
    }
}

TEST_F(SoundBankTest, UnknownKindsAndEventCodesPlayNothing) {
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank->mixAmbient(1.0f);
    const std::vector<ChannelView> channels = allChannels(*bank);
    const std::vector<AmbientView> ambient = allAmbient(*bank);
    for (int code : {-1, 9, 10, 15, 16, 20, 28, 50, 86, 89, 94, 95, 100, 127, 255, INT_MAX, INT_MIN})
        bank->playEvent(code, 0.0f, range, 0.0f);
    EXPECT_EQ(allChannels(*bank), channels);
    EXPECT_EQ(allAmbient(*bank), ambient);

    // The cat, the camera and kinds outside the table play nothing; kinds
    // accepted without a loop of their own take no channel.
    for (int kind : {-5, 0, 99, 100, 106, 145, 160, 171, 200, 1000, INT_MAX, INT_MIN, 109, 110, 139, 140})
        bank->reportAmbient(kind, 0, 1.0f, range, 0.0f);
    bank->reportAmbient(161, 0, 1.0f, range, 0.0f);
    bank->mixAmbient(1.0f);
    EXPECT_EQ(allChannels(*bank), channels);
}

TEST_F(SoundBankTest, PositionalEventsTakeTheFirstFreeChannelAndPanByPosition) {
    const struct {
        int code;
        float distance, x;
        Heard heard;
    } events[] = {{0, 0.0f, -range / 2, {Sound::projectileExplosion, 127, 255, 1}},
                  {5, range / 2, range / 2, {Sound::projectileStart, 63, 1, 255}},
                  {27, 0.0f, 0.0f, {Sound::obstacleCollision, 127, 127, 127}}};
    for (int channel = 0; channel < 3; ++channel) {
        bank->playEvent(events[channel].code, events[channel].distance, range, events[channel].x);
        EXPECT_EQ(heard(bank->channel(channel)), events[channel].heard) << events[channel].code;
        EXPECT_FALSE(bank->channel(channel).looping);
    }
    // The volume factor of the last frame scales event volumes.
    bank->mixAmbient(0.5f);
    bank->playEvent(3, 0.0f, range, 0.0f);
    EXPECT_EQ(heard(bank->channel(3)), (Heard{Sound::projectileExplosion, 63, 127, 127}));
}

TEST_F(SoundBankTest, BusyChannelsDropEventsThenKindsBeyondTheAmbientChannels) {
    // Loops fill channels 0 .. n-6, the ones positional events may take.
    const int kinds[] = {101, 107, 108, 111, 112, 113, 131, 132, 133, 134, 141, 142, 143, 161};
    for (int i = 0; i < 11; ++i) bank->reportAmbient(kinds[i], 0, 1.0f, range, 0.0f);
    for (int channel = 0; channel <= n - 6; ++channel) ASSERT_TRUE(bank->channel(channel).looping);
    const std::vector<ChannelView> before = allChannels(*bank);
    for (int code : {0, 4, 5, 8, 27}) bank->playEvent(code, 1.0f, range, 0.0f);
    EXPECT_EQ(allChannels(*bank), before) << "channel n-5 is not for events";

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
    // Input, freeze and avatar sounds (n-3), talents, letters and the high
    // score (n-1): full volume and centred wherever they happen. The Prima
    // Ballerina's sounds (n-2) are positioned and four times as loud.
    const struct {
        int code, channel, sound;
    } plan[] = {{87, n - 3, Sound::rightInput},       {88, n - 3, Sound::wrongInput},
                {92, n - 3, Sound::rewindTime},       {93, n - 3, Sound::notFirstAvatarChange},
                {96, n - 3, Sound::freezeTime},       {97, n - 3, Sound::firstAvatarChange},
                {23, n - 1, Sound::playerGetPowerUp}, {26, n - 1, Sound::playerGetPowerUp},
                {90, n - 1, Sound::letter},           {99, n - 1, Sound::newHighScore},
                {11, n - 2, Sound::primaCollision1},  {12, n - 2, Sound::primaCollision1 + 1},
                {13, n - 2, Sound::primaCollision1 + 2}, {21, n - 2, Sound::primaExplosion},
                {91, n - 2, Sound::tryAvatarChange}};
    for (const auto& step : plan) {
        const bool prima = step.channel == n - 2;
        bank->playEvent(step.code, prima ? range * 0.9f : 0.001f, range, prima ? -range / 2 : 0.001f);
        // The Prima Ballerina's level: 4 x 0.1 x 127 x 0.5.
        const Heard expected = prima ? Heard{step.sound, 25, 255, 1} : Heard{step.sound, 63, 255, 255};
        EXPECT_EQ(heard(bank->channel(step.channel)), expected) << step.code;
        EXPECT_EQ(bank->channel(step.channel).record, step.channel) << step.code;
    }

    // Codes 14 and 22 set the level of their channel and start nothing.
    const int startsBefore = bank->channel(n - 2).starts + bank->channel(n - 1).starts;
    bank->playEvent(14, 0.0f, range, range / 2);
    bank->playEvent(22, 0.0f, range, range / 2);
    EXPECT_EQ(bank->channel(n - 2).starts + bank->channel(n - 1).starts, startsBefore);
    EXPECT_EQ(heard(bank->channel(n - 2)), (Heard{Sound::tryAvatarChange, 127, 1, 255}));
}

TEST_F(SoundBankTest, AvatarChangePossibleWaitsUntilItsChannelIsFree) {
    bank->playEvent(99, 0.001f, range, 0.001f);
    ASSERT_EQ(bank->channel(n - 1).record, n - 1);
    const ChannelView busy = bank->channel(n - 1);
    bank->playEvent(98, 0.001f, range, 0.001f);
    EXPECT_EQ(bank->channel(n - 1), busy);

    bank->stopAllSounds();
    // Requested in every frame while the choice stands, it is not restarted while it sounds.
    for (int frame = 0; frame < 2; ++frame) bank->playEvent(98, 0.001f, range, 0.001f);
    EXPECT_EQ(bank->channel(n - 1).sound, Sound::avatarChangePossible);
    EXPECT_EQ(bank->channel(n - 1).starts, busy.starts + 1);
}

TEST_F(SoundBankTest, AlarmLoopStartsOncePerBandAndSwitchesOnTheSameChannel) {
    const int alarm = n - 4;
    const struct {
        int level;
        int sound;  // -1: faded out
        int starts;
    } steps[] = {{6, Sound::alarm1 + 1, 1}, {5, Sound::alarm1 + 1, 1}, {9, Sound::alarm1 + 2, 2},
                 {11, Sound::alarm1 + 3, 3}, {40, Sound::alarm1 + 3, 3}, {2, Sound::alarm1, 4},
                 {1, -1, 4},  // one singing muse fades the alarm out
                 {3, Sound::alarm1, 5}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.level);
        for (int frame = 0; frame < 3; ++frame) {
            bank->setAlarmLoop(step.level, 0.0f, range, 0.0f);
            bank->mixAmbient(1.0f);
        }
        const ChannelView view = bank->channel(alarm);
        EXPECT_EQ(view.looping, step.sound != -1);
        EXPECT_EQ(view.starts, step.starts);
        if (step.sound == -1) continue;
        EXPECT_EQ(heard(view), (Heard{step.sound, 127, 255, 255}));
        int alarms = 0;
        for (int band = 0; band < 4; ++band) alarms += channelsHolding(*bank, Sound::alarm1 + band);
        EXPECT_EQ(alarms, 1);
    }
    // After every sound was stopped the alarm stays silent within its band
    // and starts again with the next band.
    bank->stopAllSounds();
    bank->setAlarmLoop(3, 0.0f, range, 0.0f);
    EXPECT_FALSE(bank->channel(alarm).looping);
    EXPECT_EQ(bank->lastAlarmLevel(), 3);
    bank->setAlarmLoop(5, 0.0f, range, 0.0f);
    EXPECT_TRUE(bank->channel(alarm).looping);
    EXPECT_EQ(bank->channel(alarm).starts, 6);
}

TEST_F(SoundBankTest, FinishedOneShotsFreeTheirChannels) {
    TempDirectory shortSounds;
    writeAllSounds(shortSounds, 220);  // 10 ms each
    SoundBank quick;
    loadFrom(quick, shortSounds);
    const int last = quick.channelCount() - 1;
    quick.mixAmbient(1.0f);
    quick.playEvent(0, 1.0f, range, 0.0f);
    quick.playEvent(99, 0.001f, range, 0.001f);
    quick.reportAmbient(161, 0, 1.0f, range, 0.0f);
    ASSERT_EQ(quick.channel(0).sound, Sound::projectileExplosion);
    const int museChannel = quick.ambient(161).channel;
    // The mixer plays them out in real time; give it a few of its buffers.
    for (int wait = 0; wait < 150 && (quick.channel(0).record != -1 || quick.channel(last).record != -1); ++wait) {
        SDL_Delay(20);
        quick.reportAmbient(161, 0, 1.0f, range, 0.0f);
        quick.mixAmbient(1.0f);
    }
    EXPECT_EQ(quick.channel(0).record, -1);
    EXPECT_EQ(quick.channel(last).record, -1);
    EXPECT_EQ(quick.channel(museChannel).record, museChannel) << "a loop outlives its sound file's length";
}
