#include <gtest/gtest.h>

#include <string>

#include "actors/PowerUp.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float dancerSize = 0.175f;
const Vector nearby{0.1f, 0.0f, 0.0f};

PowerUp placedTalent(std::uint8_t kind = Kind::talentBlue, Vector at = Vector{}) {
    PowerUp talent;
    talent.place(kind, at, 0.2f, 0.2f, 45.0f, 0.0f, 12);
    return talent;
}

void ageBy(PowerUp& talent, float seconds) {
    for (float t = 0.0f; t < seconds; t += frame) talent.update(frame);
}

void touchedBy(PowerUp& talent, std::uint16_t kind, Vector at) {
    talent.touch(kind, at, dancerSize, dancerSize, 1, 0.0f);
}

}  // namespace

TEST(PowerUpPlace, TooltipByKind) {
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentBlue)), "get me to throw more flowers");
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentGreen)), "get me to move faster");
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentFreeze)), "get me for a longer freeze time");
    EXPECT_EQ(std::string(PowerUp::tooltip(Kind::talentRed)), "get me to throw nicer flowers");
    EXPECT_EQ(std::string(PowerUp::tooltip(137)), "");
}

TEST(PowerUpCollect, AfterAQuarterSecondTheFirstDancerOrThePrimaCollectsItAndItArmsAtHalfASecond) {
    PowerUp talent = placedTalent();
    touchedBy(talent, Kind::ballerina, nearby);
    talent.update(frame);
    EXPECT_EQ(talent.kind, Kind::talentBlue);
    EXPECT_EQ(talent.energy, 100);
    EXPECT_EQ(talent.damage, 0) << "a fresh talent does not hurt";

    ageBy(talent, 0.25f);
    touchedBy(talent, Kind::ballerina, nearby);
    EXPECT_EQ(talent.energy, -10);
    EXPECT_EQ(talent.damage, 0);
    EXPECT_FLOAT_EQ(talent.lastMomentum, 0.0f);
    talent.update(frame);
    EXPECT_EQ(talent.kind, Kind::none);

    PowerUp byPrima = placedTalent();
    ageBy(byPrima, 0.55f);
    EXPECT_EQ(byPrima.damage, 1);
    touchedBy(byPrima, Kind::prima, nearby);
    byPrima.update(frame);
    EXPECT_EQ(byPrima.kind, Kind::none);
}

TEST(PowerUpCollect, TheCatSelectsAndDragsButNeverCollectsAndBlossomsWearItDown) {
    PowerUp talent = placedTalent();
    ageBy(talent, 0.3f);
    talent.touch(Kind::cat, Vector{0.05f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_EQ(talent.energy, 100);
    EXPECT_EQ(talent.selected, 1);
    talent.update(frame);
    EXPECT_EQ(talent.kind, Kind::talentBlue);

    talent.touch(Kind::blossom1, Vector{0.05f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
    EXPECT_EQ(talent.energy, 95);

    const Vector catAt = talent.position + Vector{0.1f, 0.05f, 0.0f};
    talent.touch(Kind::cat, catAt, Actor::grabSize, Actor::grabSize, 0, 0.0f);
    talent.update(frame);
    EXPECT_FLOAT_EQ(talent.position.x, catAt.x);
    EXPECT_FLOAT_EQ(talent.position.y, catAt.y);
    EXPECT_FLOAT_EQ(talent.carrySpeed, 0.0f);
}

TEST(PowerUpMotion, OnlyDancersAndThePrimaBallerinaAttract) {
    PowerUp talent = placedTalent();
    talent.touch(Kind::muse, Vector{1.0f, 0.0f, 0.0f}, 0.4f, 0.4f, 1, 0.0f);
    talent.touch(Kind::cat, Vector{1.0f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    EXPECT_FLOAT_EQ(talent.nearestDancer, PowerUp::noDancer);
    touchedBy(talent, Kind::ballerina, Vector{2.4f, 0.0f, 0.0f});
    EXPECT_FLOAT_EQ(talent.nearestDancer, 2.4f);
    EXPECT_EQ(talent.nearestPosition, Vector{}) << "beyond 2.0: seen, not yet approached";
    touchedBy(talent, Kind::prima, Vector{0.0f, 1.8f, 0.0f});
    EXPECT_FLOAT_EQ(talent.nearestDancer, 1.8f);
    EXPECT_EQ(talent.nearestPosition, Vector(0.0f, 1.8f, 0.0f));
}

TEST(PowerUpMotion, DriftsTowardANearDancerAndBrakesWhenAloneButSuperTalentsStayPut) {
    PowerUp talent = placedTalent(Kind::talentRed, Vector{1.0f, 1.0f, 0.0f});
    PowerUp super = placedTalent(135, Vector{1.0f, 1.0f, 0.0f});
    const Vector dancer{2.0f, 1.0f, 0.0f};
    for (int i = 0; i < 60; ++i) {
        for (PowerUp* t : {&talent, &super}) {
            touchedBy(*t, Kind::ballerina, dancer);
            t->update(frame);
        }
    }
    EXPECT_EQ(talent.attracted, 1);
    EXPECT_EQ(talent.state(), 2);
    EXPECT_GT(talent.position.x, 1.05f);
    EXPECT_EQ(talent.targetFlag, 1);
    EXPECT_EQ(talent.targetPoint, dancer);
    EXPECT_EQ(super.position, Vector(1.0f, 1.0f, 0.0f));

    for (int i = 0; i < 120; ++i) talent.update(frame);
    EXPECT_FLOAT_EQ(talent.speed, 0.0f);
    EXPECT_EQ(talent.attracted, 0);
    const Vector rest = talent.position;
    talent.update(frame);
    EXPECT_EQ(talent.position, rest);
}

TEST(PowerUpMotion, BeyondFifteenUnitsItTurnsBackButFarLandmarksStay) {
    PowerUp talent = placedTalent(Kind::talentGreen, Vector{20.0f, 3.0f, 0.0f});
    PowerUp landmark = placedTalent(138, Vector{49.973f, -29.676f, 0.0f});
    for (int i = 0; i < 600; ++i) {
        for (PowerUp* t : {&talent, &landmark}) {
            t->touch(Kind::camera, Vector{}, 0.0f, 0.0f, 0, 0.0f);
            t->update(frame);
        }
    }
    const Vector toCentre = (Vector{} - talent.position).normalised();
    EXPECT_GT(headingVector(talent.angle).dot(toCentre), 0.99f);
    EXPECT_LT(talent.position.x, 20.0f);
    EXPECT_EQ(landmark.position, Vector(49.973f, -29.676f, 0.0f));
}
