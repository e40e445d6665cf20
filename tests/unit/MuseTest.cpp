#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "actors/Muse.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float museSize = 0.4f;

Muse placedMuse(std::uint8_t kind = Kind::muse) {
    Muse muse;
    muse.place(kind, Vector{}, museSize, museSize, 45.0f, 12);
    return muse;
}

// An armed blossom of strength 1 bursts on her, then she updates.
void hitByBlossom(Muse& muse) {
    muse.touch(Kind::blossom1, muse.position + Vector{0.1f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
    muse.update(frame, frame);
}

void meetMuse(Muse& muse) { muse.touch(Kind::muse, Vector{0.5f, 0.0f, 0.0f}, museSize, museSize, 1, 0.0f); }

TEST(MuseTest, TenBlossomsFillHerForATalentAndAfterHerOneSongShellNeedsTwenty) {
    Muse muse = placedMuse();
    EXPECT_EQ(muse.costume.part(7).visible, muse.talentKind) << "her talent shows in her drawing";
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(muse.giveTalent, 0) << i;
        hitByBlossom(muse);
    }
    EXPECT_EQ(std::tuple(int(muse.giveTalent), int(muse.effectKind), int(muse.kind)),
              std::tuple(1, int(Muse::talentEffect), int(Kind::muse))) << "blossoms never remove her";

    Muse singer = placedMuse();
    meetMuse(singer);
    meetMuse(singer);  // a second meeting only bumps her
    EXPECT_EQ(singer.charge(), 101);
    singer.update(frame, frame);
    EXPECT_EQ(singer.effectKind, Muse::songEffect);
    singer.energy = 100;
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(singer.giveTalent, 0) << i;
        hitByBlossom(singer);
    }
    EXPECT_EQ(singer.giveTalent, 1);
}

TEST(MuseTest, TheSongRunsThreeSecondsOnTheRealClockEvenWhileFrozenAndHerColourPulsesAfter) {
    Muse muse = placedMuse();
    meetMuse(muse);
    int frames = 0;
    for (; muse.singing && frames < 1000; ++frames) muse.update(frame / 10.0f, frame);
    EXPECT_NEAR(frames, 181, 2);
    const Colour first = muse.displayColour();
    muse.update(0.5f, 0.5f);
    EXPECT_NE(first.r, muse.displayColour().r) << "her colour pulses after her song";

    Muse growing = placedMuse(Kind::museGrowing);  // full, she swells to two and snaps back, giving nothing
    growing.energy = growing.capacity();
    float largest = 0.0f;
    for (int i = 0; i < 400; ++i, largest = std::max(largest, growing.width)) growing.update(0.1f, 0.1f);
    EXPECT_EQ(std::tuple(int(growing.giveTalent), largest > 1.99f, growing.width), std::tuple(0, true, museSize));
}

TEST(MuseTest, FacesTheNearestDancerInSightTheCatSelectsHerAndDancersPushHer) {
    Muse muse = placedMuse();
    for (int i = 0; i < 120; ++i) {
        muse.touch(Kind::ballerina, Vector{2.0f, 0.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);
        muse.touch(Kind::ballerina, Vector{0.0f, 1.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);   // nearer
        muse.touch(Kind::ballerina, Vector{0.0f, -3.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);  // out of sight
        muse.update(frame, frame);
    }
    EXPECT_GT(headingVector(muse.angle).y, 0.999f);
    EXPECT_EQ(muse.position, Vector{}) << "she turns without walking";
    EXPECT_EQ(muse.targetPoint, Vector(0.0f, 1.0f, 0.0f));

    muse.touch(Kind::cat, Vector{0.1f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_EQ(std::pair(int(muse.selected), int(muse.blocked)), std::pair(1, 0));
    muse.touch(Kind::ballerina, Vector{0.2f, 0.0f, 0.0f}, 0.175f, 0.175f, 1, 0.8f);
    EXPECT_FLOAT_EQ(muse.bounceSpeed, 0.8f) << "the larger momentum";
    muse.update(frame, frame);
    EXPECT_EQ(muse.effectKind, Muse::blockedEffect);
    EXPECT_LT(muse.position.x, 0.0f);
}

}  // namespace
