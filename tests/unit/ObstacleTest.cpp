#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "actors/Obstacle.h"

namespace {

constexpr float dancerSize = 0.175f;
using Others = std::vector<std::pair<std::uint8_t, Vector>>;  // kind and offset from her

void placeDancer(Obstacle& o, std::uint8_t kind, int sadness = 90, int blue = 0, int green = 0, int red = 0,
                 int difficulty = 1) {
    o.place(kind, sadness, blue, green, red, 1, Vector{}, dancerSize, dancerSize, 0.0f, 37, 0, difficulty);
}

void seen(Obstacle& o, std::uint16_t kind, Vector offset, float size = dancerSize, std::uint16_t damage = 1) {
    o.touch(kind, o.position + offset, size, size, damage, 0.0f);
}

void takeTalent(Obstacle& o, std::uint16_t kind) {
    o.update(0.1f, 0.0f);  // past the talent clock's debounce
    seen(o, kind, Vector{}, 0.2f, 0);
}

// Frames as the World runs them, the Prima Ballerina 3 ahead: contacts,
// think, update, and a due throw advances the launch index. Returns the throws.
int throwsIn(Obstacle& o, float seconds, const Others& others = {}, int mode = Obstacle::chase,
             Vector prima = Vector{0.0f, 3.0f, 0.0f}, float radius = 0.0f) {
    int throws = 0;
    for (float t = 0.0f; t < seconds; t += 0.01f) {
        seen(o, Kind::prima, prima);
        for (const auto& [kind, offset] : others) seen(o, kind, offset);
        o.think(mode, Vector{}, 0);
        o.update(0.01f, radius);
        if (!o.throwNow) continue;
        ++throws;
        o.advanceLaunch();
        o.throwNow = 0;
    }
    return throws;
}

TEST(ObstaclePlacing, TalentCountsNamesAndSpeedsFollowTheEntryAndTheKind) {
    std::set<int> drawn;
    Obstacle o;  // constructing reseeds from the clock, so seed after it
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::srand(seed);
        placeDancer(o, Kind::ballerina, 90, 4, 9, 255);  // four or more: a wildcard of 0 to 2
        drawn.insert({o.blue(), o.green(), o.red()});
    }
    EXPECT_EQ(drawn, (std::set<int>{0, 1, 2}));
    placeDancer(o, Kind::ballerina, 90, 3, 2, -7, 3);
    const std::string name = o.name;
    EXPECT_EQ(std::tuple(o.blue(), o.green(), o.red(), name.size()), std::tuple(3, 2, 0, 6u)) << "name by difficulty";
    for (std::uint8_t kind : {Kind::dancerP, Kind::dancerQ}) {
        placeDancer(o, kind, 90, 0, 3, 0);  // makes no name of her own
        throwsIn(o, 2.0f);
        EXPECT_EQ(std::tuple(std::string(o.name), o.speed == 0.0f, o.speed >= 3.0f),
                  std::tuple(name, kind == Kind::dancerP, kind == Kind::dancerQ)) << "'p' stands guard, 'q' races";
    }
}

TEST(ObstacleTalents, EachTalentCheersHerUpOnceAndFreezeOnlyCostsHeartsWhileCountsStayAtThree) {
    Obstacle o;
    placeDancer(o, Kind::ballerina, 50);
    takeTalent(o, Kind::talentBlue);
    seen(o, Kind::talentGreen, Vector{}, 0.2f, 0);  // within 50 ms of the first: ignored
    EXPECT_EQ(std::tuple(o.blue(), o.green(), o.sadness), std::tuple(1, 0, 61));
    takeTalent(o, Kind::talentGreen);
    EXPECT_EQ(std::tuple(o.green(), o.sadness), std::tuple(1, 72));

    placeDancer(o, Kind::ballerina, 10, 0, 1, 0);
    takeTalent(o, Kind::talentFreeze);  // a freeze talent is worth only hearts lost
    takeTalent(o, 137);                 // a super talent: three of each colour, every heart
    o.update(0.1f, 0.0f);
    EXPECT_EQ(std::tuple(int(o.talents[Obstacle::freezeTalent]), o.blue(), o.green(), o.red(), o.sadness),
              std::tuple(0, 3, 3, 3, 100));
}

TEST(ObstacleThrowing, SheThrowsEveryIntervalWhenInRangeWithAClearLineAndNoPDancerBesideHer) {
    const int chase = Obstacle::chase;
    const Vector prima{0.0f, 3.0f, 0.0f};
    const Others guide{{Kind::dancerP, {0.6f, -0.1f, 0}}};  // 0.61 away; the guide radius is 1.5 radius
    const struct {
        const char* what;
        std::uint8_t kind;
        Others others;
        int mode;
        Vector prima;
        float radius, seconds;
        int throws;
    } cases[] = {
        {"every 0.75 s", Kind::ballerina, {}, chase, prima, 0, 5, 6},
        {"out of range", Kind::ballerina, {}, chase, {0, 6.5f, 0}, 0, 2, 0},
        {"resting", Kind::ballerina, {}, Obstacle::rest, prima, 0, 2, 0},
        {"walking", Kind::ballerina, {}, Obstacle::walkToPoint, prima, 0, 2, 0},
        {"a 'p' dancer", Kind::dancerP, {}, chase, prima, 0, 2, 0},
        {"a dancer 11 degrees off aim", Kind::ballerina, {{Kind::ballerina, {0.3f, 1.5f, 0}}}, chase, prima, 0, 1.5f, 0},
        {"a dancer 45 degrees off", Kind::ballerina, {{Kind::ballerina, {1.5f, 1.5f, 0}}}, chase, prima, 0, 1.5f, 1},
        {"a dancer behind the Prima", Kind::ballerina, {{Kind::ballerina, {0.3f, 4, 0}}}, chase, prima, 0, 1.5f, 1},
        {"a 'p' dancer in the guide radius", Kind::ballerina, guide, chase, prima, 1, 2, 0},
        {"a 'p' dancer beyond it", Kind::ballerina, guide, chase, prima, 0.2f, 2, 2},
    };
    for (const auto& c : cases) {
        Obstacle o;
        placeDancer(o, c.kind);
        EXPECT_EQ(throwsIn(o, c.seconds, c.others, c.mode, c.prima, c.radius), c.throws) << c.what;
    }
}

TEST(ObstacleLeaving, HitsShowHerHeartsAndAtZeroSheLeavesHappyWithAnEffectButAPDancerWithout) {
    Obstacle o;
    for (const auto& [sadness, effect] : {std::pair{90, 11}, std::pair{50, 12}, std::pair{20, 13}, std::pair{1, 13}}) {
        placeDancer(o, Kind::ballerina, sadness);
        seen(o, Kind::prima, Vector{0.1f, 0.0f, 0.0f}, dancerSize, 0);  // blocked by her: every frame a hit
        o.update(0.01f, 0.0f);
        EXPECT_EQ(std::pair(int(o.effects.slots[Obstacle::hitEffectSlot].effect), int(o.leaving)), std::pair(effect, 0));
    }
    seen(o, Kind::prima, Vector{0.1f, 0.0f, 0.0f});  // one heart of damage: sadness 0
    const Vector where = o.position;
    o.update(0.01f, 0.0f);
    EXPECT_EQ(std::tuple(int(o.kind), o.leaving, o.happy, int(o.effects.slots[Obstacle::happyEffectSlot].effect)),
              std::tuple(0, 1, 1, 21));
    EXPECT_LT((o.position - where).length(), 0.05f) << "her talent is dropped where she stood";

    Obstacle p;  // a blossom does not stop a 'p' dancer; her sensitivity scales its damage
    placeDancer(p, Kind::dancerP, 5);
    p.sensitivity = 1.666f;
    seen(p, Kind::blossom1 + 3, Vector{}, 0.045f, 10);
    EXPECT_EQ(std::pair(p.sadness, int(p.blocked)), std::pair(5 - 16, 0));
    p.update(0.01f, 0.0f);
    EXPECT_EQ(std::tuple(int(p.kind), p.leaving, p.effects.count()), std::tuple(0, 1, 0));
}

TEST(ObstacleBehaviour, ModesSteerAndAimAsTheGroupAsks) {
    Obstacle o;
    placeDancer(o, Kind::ballerina);
    const Vector left{-2.0f, 0.0f, 0.0f};  // the Prima Ballerina at angle 90
    seen(o, Kind::prima, left);
    o.think(Obstacle::flee, Vector{}, 0);
    EXPECT_NEAR(o.goalAngle, 270.0f, 0.01f);
    EXPECT_NEAR(o.aimAngle, 90.0f, 0.01f);

    seen(o, Kind::prima, left);  // hunting: she runs for the talent and aims at the muse
    seen(o, Kind::talentRed, Vector{0.0f, -2.0f, 0.0f}, 0.2f);
    seen(o, Kind::muse, Vector{2.5f, 0.0f, 0.0f}, 0.4f);
    o.think(Obstacle::huntTalents, Vector{}, 0);
    EXPECT_NEAR(o.goalAngle, 180.0f, 0.01f);
    EXPECT_NEAR(o.aimAngle, 270.0f, 0.01f);
    EXPECT_EQ(o.throwTargetKind, Kind::muse);

    o.think(Obstacle::walkToPoint, Vector{0.0f, 5.0f, 0.0f}, 3);  // the radar shows her way
    EXPECT_NEAR(o.goalAngle, 0.0f, 0.01f);
    EXPECT_EQ(std::tuple(o.interestDistance, o.targetFlag, o.throwAllowed), std::tuple(5.0f, 1, 0));
}

// Her reach is 1.4 for these sizes. A muse or dancer within it she backs away
// from; the Prima Ballerina within it she circles the way she goes round.
// Beyond her reach nobody decides: a chasing dancer keeps closing in.
TEST(ObstacleBehaviour, TheClosestOfMuseDancerAndPrimaBallerinaDecidesHerEvasion) {
    const Vector ahead{0.0f, 3.0f, 0.0f};
    const struct {
        const char* what;
        Vector primaFrom, primaTo;  // two touches of the Prima Ballerina
        Others others;
        float escape;  // from the primaAngle when circling her, else absolute
        bool circling;
    } cases[] = {
        {"a dancer on her right", ahead, ahead, {{Kind::ballerina, {0.6f, 0, 0}}}, 90, false},
        {"a muse on her right", ahead, ahead, {{Kind::muse, {0.6f, 0, 0}}}, 90, false},
        {"a nearer dancer, left", ahead, ahead, {{Kind::muse, {0.6f, 0, 0}}, {Kind::ballerina, {-0.5f, 0, 0}}}, 270, false},
        {"a nearer muse", ahead, ahead, {{Kind::muse, {0.4f, 0, 0}}, {Kind::ballerina, {-0.5f, 0, 0}}}, 90, false},
        {"the Prima going right", {0, 0.6f, 0}, {0.1f, 0.6f, 0}, {}, 90, true},
        {"the Prima going left", {0, 0.6f, 0}, {-0.1f, 0.6f, 0}, {}, -90, true},
        {"the Prima standing still", ahead, ahead, {}, 0, false},
        {"the Prima moving, beyond reach", ahead, {0.3f, 3, 0}, {}, 0, false},
    };
    for (const auto& c : cases) {
        Obstacle o;
        placeDancer(o, Kind::ballerina);
        seen(o, Kind::prima, c.primaFrom);
        seen(o, Kind::prima, c.primaTo);
        for (const auto& [kind, offset] : c.others) seen(o, kind, offset);
        if (c.circling)
            EXPECT_NEAR(angleBetween(o.primaAngle, o.escapeAngle), c.escape, 0.01f) << c.what;
        else
            EXPECT_NEAR(wrapAngle(o.escapeAngle), c.escape, 0.01f) << c.what;
    }
    Obstacle o;  // she turns toward her escape twice as fast as toward her goal
    placeDancer(o, Kind::ballerina);
    seen(o, Kind::prima, Vector{0.0f, 3.0f, 0.0f});
    seen(o, Kind::ballerina, Vector{0.6f, 0.0f, 0.0f});
    seen(o, Kind::cat, Vector{}, Actor::grabSize, 0);
    o.think(Obstacle::chase, Vector{}, 0);
    o.update(0.1f, 0.0f);
    EXPECT_NEAR(o.angle, 90.0f * 0.1f / 1.5f, 0.01f);
    EXPECT_EQ(o.moodFrame, 3) << "carried by the cat";
}

}  // namespace
