#include <gtest/gtest.h>

#include <utility>

#include "actors/PowerUp.h"

namespace {

constexpr float frame = 1.0f / 60.0f;

PowerUp placedTalent(std::uint8_t kind = Kind::talentBlue, Vector at = Vector{}) {
    PowerUp talent;
    talent.place(kind, at, 0.2f, 0.2f, 45.0f, 0.0f, 12);
    return talent;
}

void ageBy(PowerUp& talent, float seconds) {
    for (float t = 0.0f; t < seconds; t += frame) talent.update(frame);
}

void touchedBy(PowerUp& talent, std::uint16_t kind, Vector at, float size = 0.175f) {
    talent.touch(kind, at, size, size, kind == Kind::blossom1 ? 5 : (kind == Kind::cat ? 0 : 1), 0.0f);
}

TEST(PowerUpTest, AfterAQuarterSecondADancerOrThePrimaCollectsItButTheCatOnlyDragsIt) {
    EXPECT_STREQ(PowerUp::tooltip(Kind::talentFreeze), "get me for a longer freeze time");
    EXPECT_STREQ(PowerUp::tooltip(Kind::talentBlue), "get me to throw more flowers");
    EXPECT_STREQ(PowerUp::tooltip(Kind::talentGreen), "get me to move faster");
    EXPECT_STREQ(PowerUp::tooltip(Kind::talentRed), "get me to throw nicer flowers");
    EXPECT_STREQ(PowerUp::tooltip(135), "") << "a super talent has no badge line";
    for (const std::uint8_t collector : {Kind::ballerina, Kind::prima}) {
        PowerUp talent = placedTalent();
        touchedBy(talent, collector, Vector{0.1f, 0.0f, 0.0f});
        talent.update(frame);
        EXPECT_EQ(talent.kind, Kind::talentBlue) << "too fresh";
        ageBy(talent, 0.55f);
        EXPECT_EQ(talent.damage, 1) << "armed after half a second";
        touchedBy(talent, collector, Vector{0.1f, 0.0f, 0.0f});
        talent.update(frame);
        EXPECT_EQ(talent.kind, Kind::none) << int(collector);
    }
    PowerUp talent = placedTalent();
    ageBy(talent, 0.3f);
    touchedBy(talent, Kind::cat, Vector{0.05f, 0.0f, 0.0f}, 0.1f);
    touchedBy(talent, Kind::blossom1, Vector{0.05f, 0.0f, 0.0f}, 0.03f);
    EXPECT_EQ(std::pair(talent.energy, int(talent.selected)), std::pair(95, 1)) << "blossoms wear it down";
    Vector cat = talent.position;
    for (int i = 0; i < 3; ++i) {  // a cat of grab size carries it exactly along
        cat = cat + Vector{0.1f, 0.05f, 0.0f};
        touchedBy(talent, Kind::cat, cat, Actor::grabSize);
        talent.update(frame);
        EXPECT_LT((talent.position - cat).length(), 1e-6f) << i;
    }
    touchedBy(talent, Kind::cat, cat, Actor::releaseSize);
    EXPECT_TRUE(talent.carryDelta.isZero()) << "a releasing cat stops the drift";
}

TEST(PowerUpTest, DriftsTowardANearDancerBrakesAloneAndSuperTalentsStayPut) {
    PowerUp talent = placedTalent(Kind::talentRed, Vector{1.0f, 1.0f, 0.0f});
    PowerUp super = placedTalent(135, Vector{1.0f, 1.0f, 0.0f});
    const Vector dancer{2.0f, 1.0f, 0.0f};
    for (int i = 0; i < 60; ++i) {
        for (PowerUp* t : {&talent, &super}) {
            touchedBy(*t, Kind::ballerina, dancer);
            t->update(frame);
        }
    }
    EXPECT_GT(talent.position.x, 1.1f) << "it hurries within 1.5";
    EXPECT_EQ(talent.targetPoint, dancer);
    EXPECT_EQ(super.position, Vector(1.0f, 1.0f, 0.0f));
    for (int i = 0; i < 120; ++i) talent.update(frame);
    EXPECT_EQ(std::pair(talent.speed, int(talent.attracted)), std::pair(0.0f, 0));
}

}  // namespace
