#include <gtest/gtest.h>

#include <cmath>

#include "actors/Muse.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float museSize = 0.4f;

Muse placedMuse(std::uint8_t kind = Kind::muse) {
    Muse muse;
    muse.place(kind, Vector{0.0f, 0.0f, 0.0f}, museSize, museSize, 45.0f, 12);
    return muse;
}

// An armed blossom of strength 1 bursting on her.
void hitByBlossom(Muse& muse) {
    muse.touch(Kind::blossom1, muse.position + Vector{0.1f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
}


// The short way from one angle to another, -180..180 degrees.
float shortTurn(float from, float to) {
    float d = std::fmod(to - from, 360.0f);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return d;
}
}  // namespace

TEST(MusePlace, StartsHalfChargedWithARandomTalent) {
    for (int i = 0; i < 20; ++i) {
        Muse muse = placedMuse();
        EXPECT_EQ(muse.charge(), 50);
        EXPECT_EQ(muse.capacity(), 100);
        EXPECT_GE(muse.talentKind, 131);
        EXPECT_LE(muse.talentKind, 134);
        EXPECT_EQ(muse.costume.part(7).visible, muse.talentKind);  // the drawing's talent frame
        EXPECT_GE(muse.angle, 45.0f);
        EXPECT_LT(muse.angle, 45.0f + 360.0f);
        EXPECT_FLOAT_EQ(muse.placedWidth, museSize);
    }
}

TEST(MuseCharge, TenArmedBlossomsFillHerAndSheGivesOneTalent) {
    Muse muse = placedMuse();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(muse.giveTalent, 0) << i;
        hitByBlossom(muse);
        muse.update(frame, frame);
    }
    EXPECT_EQ(muse.giveTalent, 1);
    EXPECT_EQ(muse.charge(), 0);
    EXPECT_EQ(muse.updated, 1);
    EXPECT_EQ(muse.effectKind, Muse::talentEffect);
    EXPECT_EQ(muse.kind, Kind::muse);  // blossoms never remove her

    // The World takes the talent; she starts again from nothing.
    muse.giveTalent = 0;
    for (int i = 0; i < 19; ++i) {
        hitByBlossom(muse);
        muse.update(frame, frame);
    }
    EXPECT_EQ(muse.giveTalent, 0);
    EXPECT_EQ(muse.charge(), 95);
}

TEST(MuseSong, TwoMusesMeetAndSingThenNeedTwiceTheCharge) {
    Muse muse = placedMuse();
    muse.touch(Kind::muse, Vector{0.5f, 0.0f, 0.0f}, museSize, museSize, 1, 0.0f);
    EXPECT_EQ(muse.singing, 1);
    EXPECT_EQ(muse.sang, 1);
    EXPECT_EQ(muse.capacity(), 200);
    EXPECT_EQ(muse.charge(), 100);
    muse.update(frame, frame);
    EXPECT_EQ(muse.updated, 1);
    EXPECT_EQ(muse.effectKind, Muse::songEffect);

    // A second meeting changes nothing.
    muse.touch(Kind::muse, Vector{0.5f, 0.0f, 0.0f}, museSize, museSize, 1, 0.0f);
    EXPECT_EQ(muse.charge(), 101);
    EXPECT_EQ(muse.capacity(), 200);

    muse.energy = 100;
    for (int i = 1; i <= 19; ++i) {
        hitByBlossom(muse);
        muse.update(frame, frame);
        ASSERT_EQ(muse.giveTalent, 0) << i;
    }
    hitByBlossom(muse);
    muse.update(frame, frame);
    EXPECT_EQ(muse.giveTalent, 1);
}

TEST(MuseSong, TheSongRunsOnTheRealClockEvenWhileFrozen) {
    Muse muse = placedMuse();
    muse.touch(Kind::muse, Vector{0.5f, 0.0f, 0.0f}, museSize, museSize, 1, 0.0f);
    int frames = 0;
    while (muse.singing && frames < 1000) {
        muse.update(frame / 10.0f, frame);  // frozen: a tenth of the step, the song at full pace
        ++frames;
    }
    EXPECT_NEAR(frames, 181, 2);
    EXPECT_EQ(muse.sang, 1);
    EXPECT_FLOAT_EQ(muse.songTime, 0.0f);
}

TEST(MuseSong, HerColourPulsesOnceSheHasSung) {
    Muse muse = placedMuse();
    const Colour before = muse.displayColour();
    muse.update(0.5f, 0.5f);
    EXPECT_EQ(muse.displayColour().r, before.r);
    EXPECT_EQ(muse.displayColour().g, before.g);

    muse.touch(Kind::muse, Vector{0.5f, 0.0f, 0.0f}, museSize, museSize, 1, 0.0f);
    const Colour first = muse.displayColour();
    muse.update(0.5f, 0.5f);
    const Colour second = muse.displayColour();
    EXPECT_NE(first.r, second.r);
    EXPECT_NE(first.g, second.g);
    EXPECT_EQ(second.b, muse.colour.b);
}

TEST(MuseGrowing, KindOneSixtyTwoSwellsToTwoAndSnapsBackWithoutATalent) {
    Muse muse = placedMuse(Kind::museGrowing);
    muse.energy = muse.capacity();
    float largest = 0.0f;
    bool snapped = false;
    for (int i = 0; i < 400 && !snapped; ++i) {
        muse.update(0.1f, 0.1f);
        EXPECT_EQ(muse.giveTalent, 0);
        if (muse.width > largest) largest = muse.width;
        if (largest > 1.9f && muse.width == museSize) snapped = true;
    }
    EXPECT_TRUE(snapped);
    EXPECT_GE(largest, 1.99f);
    EXPECT_LT(largest, 2.0f);
    EXPECT_FLOAT_EQ(muse.height, museSize);
    EXPECT_EQ(muse.growing, 0);
}

TEST(MuseMotion, FacesTheNearestDancerWithoutWalking) {
    Muse muse = placedMuse();
    muse.touch(Kind::ballerina, Vector{2.0f, 0.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);
    muse.touch(Kind::ballerina, Vector{0.0f, 1.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);  // nearer
    muse.touch(Kind::ballerina, Vector{0.0f, -3.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);  // out of sight
    EXPECT_FLOAT_EQ(muse.nearestDancer, 1.0f);
    for (int i = 0; i < 120; ++i) {
        muse.touch(Kind::ballerina, Vector{0.0f, 1.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);
        muse.update(frame, frame);
    }
    EXPECT_GT(headingVector(muse.angle).y, 0.999f);
    EXPECT_EQ(muse.position, Vector(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(muse.targetFlag, 1);
    EXPECT_EQ(muse.targetPoint, Vector(0.0f, 1.0f, 0.0f));
}

TEST(MuseContact, TheCatSelectsHerAndDancersBlockHer) {
    Muse muse = placedMuse();
    muse.touch(Kind::cat, Vector{0.1f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_EQ(muse.selected, 1);
    EXPECT_EQ(muse.blocked, 0);
    muse.update(frame, frame);
    EXPECT_EQ(muse.updated, 0);

    muse.touch(Kind::ballerina, Vector{0.2f, 0.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);
    EXPECT_EQ(muse.blocked, 1);
    EXPECT_EQ(muse.charge(), 51);
    muse.update(frame, frame);
    EXPECT_EQ(muse.updated, 1);
    EXPECT_EQ(muse.effectKind, Muse::blockedEffect);
    EXPECT_LT(muse.position.x, 0.0f);  // pushed away from the dancer
}

TEST(MuseTurning, ADancerGoingRoundHerIsFollowedTheShortWay) {
    Muse muse = placedMuse();
    float travelled = 0.0f;
    for (int step = 1; travelled < 3.0f * 360.0f; ++step) {  // three whole turns
        ASSERT_LT(step, 2000);
        const float before = muse.angle;
        muse.dancerAngle = std::fmod(before + 10.0f, 360.0f);
        muse.update(0.1f, 0.1f);
        const float turned = shortTurn(before, muse.angle);
        ASSERT_GT(turned, 0.0f) << step;
        ASSERT_LT(turned, 90.0f) << step;
        travelled += turned;
        ASSERT_GE(muse.angle, 0.0f) << step;
        ASSERT_LT(muse.angle, 360.0f) << step;
    }
}
