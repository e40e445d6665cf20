#include <gtest/gtest.h>

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

}  // namespace

TEST(MusePlace, StartsHalfChargedWithARandomTalentShownInHerDrawing) {
    for (int i = 0; i < 20; ++i) {
        const Muse muse = placedMuse();
        EXPECT_EQ(muse.charge(), 50);
        EXPECT_EQ(muse.capacity(), 100);
        EXPECT_GE(muse.talentKind, 131);
        EXPECT_LE(muse.talentKind, 134);
        EXPECT_EQ(muse.costume.part(7).visible, muse.talentKind);
        EXPECT_GE(muse.angle, 45.0f);
        EXPECT_LT(muse.angle, 45.0f + 360.0f);
    }
}

TEST(MuseCharge, TenArmedBlossomsFillHerAndSheGivesOneTalentThenStartsAgain) {
    Muse muse = placedMuse();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(muse.giveTalent, 0) << i;
        hitByBlossom(muse);
    }
    EXPECT_EQ(muse.giveTalent, 1);
    EXPECT_EQ(muse.charge(), 0);
    EXPECT_EQ(muse.updated, 1);
    EXPECT_EQ(muse.effectKind, Muse::talentEffect);
    EXPECT_EQ(muse.kind, Kind::muse) << "blossoms never remove her";

    muse.giveTalent = 0;  // the World takes the talent
    for (int i = 0; i < 19; ++i) hitByBlossom(muse);
    EXPECT_EQ(muse.giveTalent, 0);
    EXPECT_EQ(muse.charge(), 95);
}

TEST(MuseSong, TwoMusesMeetOnceSingThenNeedTwiceTheCharge) {
    Muse muse = placedMuse();
    meetMuse(muse);
    EXPECT_EQ(muse.singing, 1);
    EXPECT_EQ(muse.sang, 1);
    EXPECT_EQ(muse.capacity(), 200);
    EXPECT_EQ(muse.charge(), 100);
    muse.update(frame, frame);
    EXPECT_EQ(muse.updated, 1);
    EXPECT_EQ(muse.effectKind, Muse::songEffect);

    meetMuse(muse);  // a second meeting only bumps her
    EXPECT_EQ(muse.charge(), 101);
    EXPECT_EQ(muse.capacity(), 200);

    muse.energy = 100;
    for (int i = 1; i <= 19; ++i) {
        hitByBlossom(muse);
        ASSERT_EQ(muse.giveTalent, 0) << i;
    }
    hitByBlossom(muse);
    EXPECT_EQ(muse.giveTalent, 1);
}

TEST(MuseSong, TheSongRunsOnTheRealClockEvenWhileFrozenAndHerColourPulsesAfter) {
    Muse muse = placedMuse();
    const Colour unsung = muse.displayColour();
    muse.update(0.5f, 0.5f);
    EXPECT_EQ(muse.displayColour().r, unsung.r);
    EXPECT_EQ(muse.displayColour().g, unsung.g);

    meetMuse(muse);
    int frames = 0;
    while (muse.singing && frames < 1000) {
        muse.update(frame / 10.0f, frame);  // frozen: a tenth of the step, the song at full pace
        ++frames;
    }
    EXPECT_NEAR(frames, 181, 2);
    EXPECT_EQ(muse.sang, 1);

    const Colour first = muse.displayColour();
    muse.update(0.5f, 0.5f);
    const Colour second = muse.displayColour();
    EXPECT_NE(first.r, second.r);
    EXPECT_NE(first.g, second.g);
    EXPECT_EQ(second.b, muse.colour.b);
}

TEST(MuseGrowing, AGrowingMuseSwellsToTwoAndSnapsBackWithoutATalent) {
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
}

TEST(MuseMotion, FacesTheNearestDancerInSightWithoutWalking) {
    Muse muse = placedMuse();
    muse.touch(Kind::ballerina, Vector{2.0f, 0.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);
    muse.touch(Kind::ballerina, Vector{0.0f, 1.0f, 0.0f}, 0.175f, 0.175f, 1, 0.0f);   // nearer
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

TEST(MuseContact, TheCatSelectsHerAndDancersBlockAndPushHer) {
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
    EXPECT_LT(muse.position.x, 0.0f);
}
