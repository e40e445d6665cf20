#include <gtest/gtest.h>

#include "actors/Actor.h"

namespace {

// A minimal actor of our own that runs the shared contact response and the
// update steps in their order, as every derived class does.
class Walker : public Actor {
public:
    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override {
        if (otherKind == 0) return;
        measureTouch(otherKind, otherPosition);
        if (!inContact(otherWidth, otherHeight)) return;
        energy -= otherDamage;
        respondToContact(otherKind, otherPosition, otherWidth, otherHeight, otherMomentum);
    }
    void update(float dt, float target, float turnTime) {
        if (!beginUpdate()) return;
        turnTo(target, turnTime, dt);
        applyHeading();
        moveSteps(dt);
        removeIfSpent();
    }
};

Walker placedWalker(Vector at, float size) {
    Walker w;
    w.kind = Kind::ballerina;
    w.position = w.previousPosition = w.anchor = at;
    w.width = w.height = size;
    return w;
}

TEST(ActorTest, ContactNeedsTheSizesToExceedTheDistanceAndOnlyEnergyBelowZeroRemoves) {
    Actor a;
    a.kind = Kind::ballerina;
    a.width = a.height = 0.25f;
    a.energy = 8;
    // Mean sizes 0.25 + 0.25 = 0.5: exactly the distance is no contact.
    a.touch(Kind::dancerQ, Vector{0.5f, 0.0f, 0.0f}, 0.25f, 0.25f, 7, 0.0f);
    EXPECT_EQ(a.energy, 8);
    EXPECT_FLOAT_EQ(a.touchDistance, 0.5f);
    a.touch(Kind::dancerQ, Vector{0.49f, 0.0f, 0.0f}, 0.25f, 0.25f, 8, 0.0f);
    EXPECT_EQ(a.energy, 0);
    EXPECT_EQ(a.kind, Kind::ballerina);
    a.position = Vector{0.2f, 0.0f, 0.0f};
    a.touch(Kind::blossom1, Vector{0.3f, 0.0f, 0.0f}, 0.03f, 0.03f, 1, 0.0f);
    EXPECT_EQ(a.energy, -1);
    EXPECT_EQ(a.kind, Kind::none);
    EXPECT_EQ(a.position, Vector{});
    EXPECT_FLOAT_EQ(a.width, 0.0f);
    EXPECT_FLOAT_EQ(a.height, 0.0f);
}

TEST(ActorTest, TouchMeasuresDistancesToThePrimaAndTheCamera) {
    Actor a;
    a.kind = Kind::ballerina;
    a.touch(0, Vector{3.0f, 4.0f, 0.0f}, 0.1f, 0.1f, 1, 0.0f);  // kind 0 is nobody
    EXPECT_FLOAT_EQ(a.avatarDistance, 10.0f);
    a.touch(Kind::prima, Vector{3.0f, 4.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_NEAR(a.avatarDistance, 5.0f, 1e-5f);
    a.touch(Kind::cat, Vector{0.0f, 1.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_NEAR(a.avatarDistance, 5.0f, 1e-5f);  // the cat is not the Prima Ballerina
    // Exact zeros of the touch vector are nudged so that angles stay defined.
    EXPECT_FLOAT_EQ(a.touchVector.x, 0.000001f);
    EXPECT_FLOAT_EQ(a.touchVector.y, -1.0f);
}

TEST(ActorTest, OnlyACatOfGrabSizeCarriesTheActorExactlyAlongAndAReleasingCatStopsTheDrift) {
    Walker ordinary = placedWalker(Vector{}, 0.1f);
    ordinary.touch(Kind::cat, Vector{0.05f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_EQ(ordinary.carried, 0);
    EXPECT_EQ(ordinary.selected, 1);
    ordinary.update(0.1f, 0.0f, 1.0f);
    EXPECT_EQ(ordinary.position, Vector{});

    Walker w = placedWalker(Vector{}, 0.1f);
    Vector cat{0.05f, 0.02f, 0.0f};
    for (int frame = 0; frame < 5; ++frame) {
        w.touch(Kind::cat, cat, Actor::grabSize, Actor::grabSize, 0, 0.0f);
        EXPECT_EQ(w.carried, 1);
        EXPECT_EQ(w.blocked, 0);
        EXPECT_FLOAT_EQ(w.carrySpeed, 1.5f);
        w.update(0.016f, 0.0f, 1.0f);
        EXPECT_FLOAT_EQ(w.position.x, cat.x);
        EXPECT_FLOAT_EQ(w.position.y, cat.y);
        cat = cat + Vector{0.03f, -0.01f, 0.0f};
    }
    EXPECT_NEAR(w.carriedTime, 5 * 0.016f, 1e-5f);
    EXPECT_EQ(w.previousPosition, Vector{}) << "the position before the grab is kept while carried";

    w.touch(Kind::cat, cat, Actor::releaseSize, Actor::releaseSize, 0, 0.0f);
    EXPECT_EQ(w.carried, 1);
    EXPECT_FLOAT_EQ(w.carrySpeed, 0.0f);
    EXPECT_TRUE(w.carryDelta.isZero());
}

TEST(ActorTest, ASolidContactBlocksAndBouncesAwayFromTheOther) {
    Walker w = placedWalker(Vector{0.0f, 0.0f, 0.0f}, 0.2f);
    w.touch(Kind::dancerQ, Vector{0.3f, 0.0f, 0.0f}, 0.2f, 0.2f, 0, 0.8f);
    EXPECT_EQ(w.blocked, 1);
    EXPECT_EQ(w.selected, 0);
    EXPECT_FLOAT_EQ(w.bounceSpeed, 0.8f);  // the larger momentum, at least 0.05
    EXPECT_NEAR(w.bounceDirection.x, -1.0f, 1e-5f);
    w.update(0.1f, 0.0f, 1.0f);
    EXPECT_LT(w.position.x, 0.0f);
    EXPECT_NEAR(w.bounceSpeed, 0.8f - 0.075f, 1e-5f);

    // The Camera never blocks and never pushes.
    Walker c = placedWalker(Vector{0.0f, 0.0f, 0.0f}, 0.2f);
    c.touch(Kind::camera, Vector{0.1f, 0.0f, 0.0f}, 0.0f, 0.0f, 0, 3.0f);
    EXPECT_EQ(c.blocked, 0);
    EXPECT_FLOAT_EQ(c.bounceSpeed, 0.0f);
    EXPECT_NEAR(c.cameraDistance, 0.1f, 1e-5f);
}

TEST(ActorTest, UpdateMovesAlongTheHeadingAndRemovesASpentActor) {
    Walker w = placedWalker(Vector{0.0f, 0.0f, 0.0f}, 0.1f);
    w.maxSpeed = 1.0f;
    w.speed = 1.0f;
    w.maxAcceleration = 0.5f;
    w.minAcceleration = -0.5f;
    w.acceleration = 3.0f;  // clamped to 0.5
    w.update(0.5f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(w.acceleration, 0.5f);
    EXPECT_NEAR(w.speed, 1.25f - 0.5f, 1e-5f);  // above maxSpeed it sinks by 1.0 per second
    EXPECT_NEAR(w.position.y, 0.375f, 1e-5f);
    EXPECT_NEAR(w.momentum, 0.75f, 1e-5f);
    EXPECT_FLOAT_EQ(w.lastMomentum, w.momentum);

    w.energy = -1;
    w.update(0.1f, 0.0f, 1.0f);
    EXPECT_EQ(w.kind, Kind::none);
    const Vector before = w.position;
    w.update(0.1f, 0.0f, 1.0f);  // a free slot does nothing
    EXPECT_EQ(w.position, before);
}

}  // namespace
