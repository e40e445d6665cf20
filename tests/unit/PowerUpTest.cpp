#include <gtest/gtest.h>

#include <cmath>

#include <string>

#include "actors/PowerUp.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float talentSize = 0.2f;
constexpr float dancerSize = 0.175f;

PowerUp placedTalent(std::uint8_t kind = Kind::talentBlue, Vector at = Vector{0.0f, 0.0f, 0.0f}) {
    PowerUp talent;
    talent.place(kind, at, talentSize, talentSize, 45.0f, 0.0f, 12);
    return talent;
}

void ageBy(PowerUp& talent, float seconds) {
    for (float t = 0.0f; t < seconds; t += frame) talent.update(frame);
}

void touchedBy(PowerUp& talent, std::uint16_t kind, Vector at, std::uint16_t damage = 1) {
    talent.touch(kind, at, dancerSize, dancerSize, damage, 0.0f);
}


// The short way from one angle to another, -180..180 degrees.
float shortTurn(float from, float to) {
    float d = std::fmod(to - from, 360.0f);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return d;
}
}  // namespace

TEST(PowerUpPlace, ColourAndTooltipByKind) {
    const PowerUp freeze = placedTalent(Kind::talentFreeze);
    EXPECT_EQ(freeze.colour.r, 161);
    EXPECT_EQ(freeze.colour.g, 28);
    EXPECT_EQ(freeze.colour.b, 222);
    EXPECT_EQ(freeze.colour.alpha, 100);
    EXPECT_EQ(freeze.visible, 1);
    const PowerUp red = placedTalent(Kind::talentRed);
    EXPECT_EQ(red.colour.r, 197);
    const PowerUp super = placedTalent(136);
    EXPECT_EQ(super.colour.r, 255);
    EXPECT_EQ(super.colour.b, 255);
    EXPECT_TRUE(super.isSuper());
    EXPECT_FALSE(red.isSuper());

    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentBlue)), "get me to throw more flowers");
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentGreen)), "get me to move faster");
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentFreeze)), "get me for a longer freeze time");
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentRed)), "get me to throw nicer flowers");
    EXPECT_EQ(std::string(PowerUp::tooltip(137)), "");
}

TEST(PowerUpCollect, OnlyAfterAQuarterSecondByTheFirstDancer) {
    PowerUp talent = placedTalent();
    const Vector near{0.1f, 0.0f, 0.0f};
    touchedBy(talent, Kind::ballerina, near);
    talent.update(frame);
    EXPECT_EQ(talent.kind, Kind::talentBlue);
    EXPECT_EQ(talent.energy, 100);

    ageBy(talent, 0.25f);
    touchedBy(talent, Kind::ballerina, near);
    EXPECT_EQ(talent.energy, -10);
    EXPECT_EQ(talent.damage, 0);
    EXPECT_FLOAT_EQ(talent.lastMomentum, 0.0f);
    talent.update(frame);
    EXPECT_EQ(talent.kind, Kind::none);
}

TEST(PowerUpCollect, ThePrimaBallerinaCollectsTooButNotHerCat) {
    PowerUp byPrima = placedTalent();
    ageBy(byPrima, 0.3f);
    touchedBy(byPrima, Kind::prima, Vector{0.1f, 0.0f, 0.0f});
    byPrima.update(frame);
    EXPECT_EQ(byPrima.kind, Kind::none);

    PowerUp byCat = placedTalent();
    ageBy(byCat, 0.3f);
    byCat.touch(Kind::cat, Vector{0.05f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_EQ(byCat.energy, 100);
    EXPECT_EQ(byCat.selected, 1);
    byCat.update(frame);
    EXPECT_EQ(byCat.kind, Kind::talentBlue);

    // Blossoms wear it down by their damage instead.
    byCat.touch(Kind::blossom1, Vector{0.05f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
    EXPECT_EQ(byCat.energy, 95);
}

TEST(PowerUpCollect, TheCatCanDragIt) {
    PowerUp talent = placedTalent();
    ageBy(talent, 0.3f);
    const Vector catAt{0.1f, 0.05f, 0.0f};
    talent.touch(Kind::cat, catAt, Actor::grabSize, Actor::grabSize, 0, 0.0f);
    talent.update(frame);
    EXPECT_FLOAT_EQ(talent.position.x, catAt.x);
    EXPECT_FLOAT_EQ(talent.position.y, catAt.y);
    EXPECT_FLOAT_EQ(talent.carrySpeed, 0.0f);
}

TEST(PowerUpMotion, DriftsTowardANearDancerAndBrakesWhenAlone) {
    PowerUp talent = placedTalent();
    const Vector dancer{1.0f, 0.0f, 0.0f};
    for (int i = 0; i < 60; ++i) {
        touchedBy(talent, Kind::ballerina, dancer);
        talent.update(frame);
    }
    EXPECT_EQ(talent.attracted, 1);
    EXPECT_EQ(talent.state(), 2);
    EXPECT_GT(talent.position.x, 0.0f);
    EXPECT_GT(talent.speed, 0.0f);
    EXPECT_EQ(talent.targetFlag, 1);
    EXPECT_EQ(talent.targetPoint, dancer);

    // Nobody near any more: it brakes to a stop and stays there.
    for (int i = 0; i < 120; ++i) talent.update(frame);
    EXPECT_FLOAT_EQ(talent.speed, 0.0f);
    EXPECT_EQ(talent.attracted, 0);
    const Vector rest = talent.position;
    talent.update(frame);
    EXPECT_EQ(talent.position, rest);
}

TEST(PowerUpMotion, OnlyDancersAndThePrimaBallerinaAttract) {
    PowerUp talent = placedTalent();
    talent.touch(Kind::muse, Vector{1.0f, 0.0f, 0.0f}, 0.4f, 0.4f, 1, 0.0f);
    talent.touch(Kind::cat, Vector{1.0f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_FLOAT_EQ(talent.nearestDancer, PowerUp::noDancer);
    touchedBy(talent, Kind::ballerina, Vector{2.4f, 0.0f, 0.0f});
    EXPECT_FLOAT_EQ(talent.nearestDancer, 2.4f);
    EXPECT_EQ(talent.nearestPosition, Vector{});  // beyond 2.0: seen, not yet approached
    touchedBy(talent, Kind::prima, Vector{0.0f, 1.8f, 0.0f});
    EXPECT_FLOAT_EQ(talent.nearestDancer, 1.8f);
    EXPECT_EQ(talent.nearestPosition, Vector(0.0f, 1.8f, 0.0f));
}

TEST(PowerUpMotion, BeyondFifteenUnitsItTurnsBack) {
    PowerUp talent = placedTalent(Kind::talentGreen, Vector{20.0f, 3.0f, 0.0f});
    for (int i = 0; i < 600; ++i) {
        talent.touch(Kind::camera, Vector{0.0f, 0.0f, 0.0f}, 0.0f, 0.0f, 0, 0.0f);
        talent.update(frame);
    }
    const Vector toCentre = (Vector{} - talent.position).normalised();
    EXPECT_GT(headingVector(talent.angle).dot(toCentre), 0.99f);
    EXPECT_LT(talent.position.x, 20.0f);
}

TEST(PowerUpMotion, SuperTalentsDoNotMoveByThemselves) {
    PowerUp super = placedTalent(135, Vector{1.0f, 1.0f, 0.0f});
    PowerUp plain = placedTalent(Kind::talentRed, Vector{1.0f, 1.0f, 0.0f});
    const Vector dancer{2.0f, 1.0f, 0.0f};
    for (int i = 0; i < 60; ++i) {
        touchedBy(super, Kind::ballerina, dancer);
        touchedBy(plain, Kind::ballerina, dancer);
        super.update(frame);
        plain.update(frame);
    }
    EXPECT_EQ(super.position, Vector(1.0f, 1.0f, 0.0f));
    EXPECT_GT(plain.position.x, 1.05f);

    // Far landmarks stay where the level put them as well.
    PowerUp landmark = placedTalent(138, Vector{49.973f, -29.676f, 0.0f});
    for (int i = 0; i < 60; ++i) {
        landmark.touch(Kind::camera, Vector{}, 0.0f, 0.0f, 0, 0.0f);
        landmark.update(frame);
    }
    EXPECT_EQ(landmark.position, Vector(49.973f, -29.676f, 0.0f));
}

TEST(PowerUpArming, AFreshTalentDoesNotHurt) {
    PowerUp talent = placedTalent();
    talent.update(frame);
    EXPECT_EQ(talent.damage, 0);
    ageBy(talent, 0.5f);
    EXPECT_EQ(talent.damage, 1);
}

TEST(PowerUpTurning, ATargetComingRoundIsFollowedTheShortWay) {
    PowerUp talent = placedTalent();
    float travelled = 0.0f;
    for (int step = 1; travelled < 3.0f * 360.0f; ++step) {  // three whole turns
        ASSERT_LT(step, 2000);
        const float before = talent.angle;
        talent.targetAngle = std::fmod(before + 10.0f, 360.0f);
        talent.update(0.1f);
        const float turned = shortTurn(before, talent.angle);
        ASSERT_GT(turned, 0.0f) << step;
        ASSERT_LT(turned, 90.0f) << step;
        travelled += turned;
        ASSERT_GE(talent.angle, 0.0f) << step;
        ASSERT_LT(talent.angle, 360.0f) << step;
    }
}
