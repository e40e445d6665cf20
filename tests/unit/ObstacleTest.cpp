#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "actors/Obstacle.h"
#include "actors/StageNames.h"

namespace {

constexpr float dancerSize = 0.175f;

void placeDancer(Obstacle& o, std::uint8_t kind, int sadness = 90, int blue = 0, int green = 0, int red = 0,
                 int difficulty = 1) {
    o.place(kind, sadness, blue, green, red, 1, Vector{}, dancerSize, dancerSize, 0.0f, 37, 0, difficulty);
}

// The Prima Ballerina touches her from an offset relative to where she is now.
void seePrima(Obstacle& o, Vector offset) { o.touch(Kind::prima, o.position + offset, 0.175f, 0.175f, 1, 0.0f); }

void takeTalent(Obstacle& o, std::uint16_t kind) { o.touch(kind, o.position, 0.2f, 0.2f, 0, 0.0f); }

auto counts(const Obstacle& o) { return std::tuple(o.blue(), o.green(), o.red()); }

struct Frame {
    Vector primaOffset{0.0f, 3.0f, 0.0f};
    std::vector<std::pair<std::uint8_t, Vector>> others;  // kind and offset
    int mode = Obstacle::chase;
    float radius = 0.0f;
};

// One frame as the World runs it: contacts, think, update. Like the World, a
// due throw advances the launch index; returns whether a throw was due.
bool runFrame(Obstacle& o, const Frame& f, float dt) {
    seePrima(o, f.primaOffset);
    for (const auto& [kind, offset] : f.others) o.touch(kind, o.position + offset, 0.175f, 0.175f, 1, 0.0f);
    o.think(f.mode, Vector{}, 0);
    o.update(dt, f.radius);
    if (!o.throwNow) return false;
    o.advanceLaunch();
    o.throwNow = 0;
    return true;
}

int throwsIn(Obstacle& o, const Frame& f, float seconds) {
    int throws = 0;
    for (float t = 0.0f; t < seconds; t += 0.01f) throws += runFrame(o, f, 0.01f);
    return throws;
}

}  // namespace

TEST(ObstaclePlacing, TalentCountsAreTakenAndFourOrMoreIsAWildcardOfZeroToTwo) {
    std::set<int> drawn;
    Obstacle o;  // constructing reseeds from the clock, so seed after it
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::srand(seed);
        placeDancer(o, Kind::ballerina, 90, 4, 9, 255);
        for (int count : {o.blue(), o.green(), o.red()}) {
            EXPECT_GE(count, 0);
            EXPECT_LE(count, 2);
            drawn.insert(count);
        }
    }
    EXPECT_EQ(drawn.size(), 3u) << "the wildcard should give every count 0..2";
    placeDancer(o, Kind::ballerina, 90, 3, 2, 1);
    EXPECT_EQ(counts(o), std::tuple(3, 2, 1));
    placeDancer(o, Kind::ballerina, 90, -7, 0, 0);
    EXPECT_EQ(o.blue(), 0);
}

TEST(ObstaclePlacing, NamedBallerinasGetANameOfTheDifficultysLengthAndASayingAndQDancersAreFast) {
    Obstacle o;
    for (int difficulty = 1; difficulty <= 3; ++difficulty) {
        placeDancer(o, Kind::ballerina, 90, 0, 0, 0, difficulty);
        EXPECT_EQ(std::strlen(o.name), static_cast<std::size_t>(3 + difficulty));
        bool known = false;
        for (int n = 1; n <= 39; ++n) known = known || std::string(o.saying) == sayingText(n);
        EXPECT_TRUE(known) << "saying: " << o.saying;
    }
    for (std::uint8_t kind : {Kind::dancerP, Kind::dancerQ}) {
        placeDancer(o, Kind::ballerina);
        const std::string name = o.name;
        const std::string saying = o.saying;
        placeDancer(o, kind);  // makes no name or saying of her own
        EXPECT_EQ(o.name, name);
        EXPECT_EQ(o.saying, saying);
    }
    placeDancer(o, Kind::dancerQ, 90, 0, 1, 0);
    o.update(0.1f, 0.0f);
    EXPECT_GE(o.speed, 3.0f) << "a 'q' dancer is always fast";
    placeDancer(o, Kind::dancerP, 90, 0, 3, 0);
    for (int frame = 0; frame < 20; ++frame) {
        o.think(Obstacle::chase, Vector{}, 0);
        o.update(0.1f, 0.0f);
    }
    EXPECT_EQ(o.speed, 0.0f) << "a 'p' dancer has no top speed: she stands guard";
}

TEST(ObstacleTalents, EachTalentCheersHerUpOnceAndFreezeOnlyCostsHeartsWhileCountsStayAtThree) {
    Obstacle o;
    placeDancer(o, Kind::ballerina, 50);
    o.update(0.1f, 0.0f);
    takeTalent(o, Kind::talentBlue);
    EXPECT_EQ(o.blue(), 1);
    EXPECT_EQ(o.sadness, 61);
    // A second talent within 50 ms of the first is ignored.
    takeTalent(o, Kind::talentGreen);
    o.update(0.03f, 0.0f);
    takeTalent(o, Kind::talentGreen);
    EXPECT_EQ(o.green(), 0);
    EXPECT_EQ(o.sadness, 61);
    o.update(0.03f, 0.0f);
    takeTalent(o, Kind::talentGreen);
    EXPECT_EQ(o.green(), 1);
    EXPECT_EQ(o.sadness, 72);

    placeDancer(o, Kind::ballerina, 10, 3, 0, 0);
    o.update(0.1f, 0.0f);
    takeTalent(o, Kind::talentFreeze);
    EXPECT_EQ(o.sadness, 61);
    o.update(0.1f, 0.0f);
    takeTalent(o, Kind::talentBlue);
    EXPECT_EQ(o.blue(), 4);
    o.update(0.1f, 0.0f);
    EXPECT_EQ(o.talents[Obstacle::freezeTalent], 0);
    EXPECT_EQ(o.blue(), 3);
    EXPECT_EQ(o.favouriteTalent, Kind::talentBlue);

    // A super talent counts three of each colour and costs every heart.
    placeDancer(o, Kind::ballerina, 10, 0, 1, 0);
    o.update(0.1f, 0.0f);
    takeTalent(o, 137);
    o.update(0.1f, 0.0f);
    EXPECT_EQ(counts(o), std::tuple(3, 3, 3));
    EXPECT_EQ(o.sadness, 100);
}

TEST(ObstacleThrowing, BlueThreeThrowsAVolleyOfFourFromFourPoints) {
    Obstacle o;
    placeDancer(o, Kind::ballerina, 90, 3, 0, 0);
    std::vector<Vector> offsets;
    for (int i = 0; i < 800 && offsets.size() < 5; ++i)
        if (runFrame(o, Frame{}, 0.01f)) offsets.push_back(o.launchPoint - o.position);
    ASSERT_EQ(offsets.size(), 5u);
    EXPECT_EQ(o.volleySize, 4);
    // Facing the Prima Ballerina straight ahead (+y), point 1 lies a little
    // forward and far to the side.
    const float s = 2.0f * dancerSize;
    EXPECT_NEAR(offsets[0].x, 1.25f * s, 0.01f);
    EXPECT_NEAR(offsets[0].y, 0.25f * s, 0.01f);
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) EXPECT_GT((offsets[a] - offsets[b]).length(), 0.05f) << a << " and " << b;
    EXPECT_LT((offsets[4] - offsets[0]).length(), 0.01f) << "the fifth throw starts the next volley";
}

TEST(ObstacleThrowing, BlueZeroThrowsAtMostEveryThreeQuartersOfASecond) {
    Obstacle o;
    placeDancer(o, Kind::ballerina);
    std::vector<float> times;
    for (int i = 1; i <= 500; ++i)
        if (runFrame(o, Frame{}, 0.01f)) times.push_back(0.01f * static_cast<float>(i));
    ASSERT_EQ(times.size(), 6u);
    for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 0.75f);
    EXPECT_EQ(o.launchIndex, 1);
    EXPECT_EQ(o.hasThrown, 1);
}

TEST(ObstacleThrowing, NoThrowsBeyondRangeInModesWithoutThrowingOrFromAPDancer) {
    Obstacle o;
    placeDancer(o, Kind::ballerina);
    Frame far;
    far.primaOffset = Vector{0.0f, 6.5f, 0.0f};
    EXPECT_EQ(throwsIn(o, far, 2.0f), 0);
    for (int mode : {Obstacle::idle, Obstacle::rest, Obstacle::walkToPoint}) {
        placeDancer(o, Kind::ballerina);
        Frame f;
        f.mode = mode;
        EXPECT_EQ(throwsIn(o, f, 2.0f), 0) << "mode " << mode;
    }
    placeDancer(o, Kind::dancerP);
    EXPECT_EQ(throwsIn(o, Frame{}, 2.0f), 0);
}

TEST(ObstacleThrowing, ADancerInTheLineOfFireOrAPDancerInTheGuideRadiusStopsTheThrow) {
    const struct {
        Vector dancer;
        bool throws;
    } cases[] = {
        {{0.3f, 1.5f, 0.0f}, false},  // about 11 degrees off her aim, half way
        {{1.5f, 1.5f, 0.0f}, true},   // 45 degrees off
        {{0.3f, 4.0f, 0.0f}, true},   // in line, but behind the Prima Ballerina
    };
    for (const auto& c : cases) {
        Obstacle o;
        placeDancer(o, Kind::ballerina);
        Frame f;
        f.others.push_back({Kind::ballerina, c.dancer});
        EXPECT_EQ(throwsIn(o, f, 1.5f) > 0, c.throws) << c.dancer.x << ", " << c.dancer.y;
        EXPECT_EQ(o.lineClear != 0, c.throws);
    }
    for (const auto& [radius, throws] : {std::pair{1.0f, false}, std::pair{0.2f, true}}) {
        Obstacle o;  // guide radius 1.5 times the radius; the 'p' dancer is 0.61 away
        placeDancer(o, Kind::ballerina);
        Frame f;
        f.others.push_back({Kind::dancerP, Vector{0.6f, -0.1f, 0.0f}});
        f.radius = radius;
        EXPECT_EQ(throwsIn(o, f, 2.0f) > 0, throws) << radius;
    }
}

TEST(ObstacleLeaving, EveryFrameAgainstSomethingSolidAsksForTheHitOfHerHearts) {
    for (const auto& [sadness, effect] : {std::pair{90, 11}, std::pair{50, 12}, std::pair{20, 13}}) {
        Obstacle o;
        placeDancer(o, Kind::ballerina, sadness);
        for (int frame = 0; frame < 3; ++frame) {
            seePrima(o, Vector{0.1f, 0.0f, 0.0f});  // blocked by her
            o.update(0.01f, 0.0f);
            const EffectRequest& hit = o.effects.slots[Obstacle::hitEffectSlot];
            EXPECT_EQ(hit.active, 1) << sadness << ", frame " << frame;
            EXPECT_EQ(hit.effect, effect) << sadness;
        }
    }
}

TEST(ObstacleLeaving, SadnessOneIsNotHappyZeroLeavesWithAnEffectButAPDancerWithout) {
    Obstacle o;
    placeDancer(o, Kind::ballerina, 1);
    o.update(0.01f, 0.0f);
    EXPECT_EQ(o.kind, Kind::ballerina);
    EXPECT_EQ(o.leaving, 0);
    seePrima(o, Vector{0.1f, 0.0f, 0.0f});  // in contact: one heart of damage
    EXPECT_EQ(o.sadness, 0);
    const Vector where = o.position;
    o.update(0.01f, 0.0f);
    EXPECT_EQ(o.kind, 0);
    EXPECT_EQ(o.sadness, -1000);
    EXPECT_EQ(o.leaving, 1);
    EXPECT_EQ(o.happy, 1);
    const EffectRequest& happy = o.effects.slots[Obstacle::happyEffectSlot];
    EXPECT_EQ(happy.active, 1);
    EXPECT_EQ(happy.effect, 21);
    EXPECT_LT((o.position - where).length(), 0.05f) << "her talent is dropped where she stood";

    // A blossom does not stop a 'p' dancer; her sensitivity scales its damage.
    Obstacle p;
    placeDancer(p, Kind::dancerP, 5);
    p.sensitivity = 1.666f;
    p.touch(Kind::blossom1 + 3, p.position, 0.045f, 0.045f, 10, 0.0f);
    EXPECT_EQ(p.sadness, 5 - 16);
    EXPECT_EQ(p.blocked, 0);
    p.update(0.01f, 0.0f);
    EXPECT_EQ(p.leaving, 1);
    EXPECT_EQ(p.kind, 0);
    EXPECT_EQ(p.effects.count(), 0);
}

TEST(ObstacleTrails, HerTalentsChooseHerTrailsWhichSheLaysAlsoStandingStill) {
    for (const auto& [blue, green] : {std::pair{0, 0}, std::pair{3, 2}}) {
        SCOPED_TRACE(green);
        Obstacle o;
        placeDancer(o, Kind::ballerina, 90, blue, green);
        o.update(0.31f, 0.0f);
        ASSERT_EQ(o.speed, 0.0f);
        EXPECT_EQ(o.effects.slots[Obstacle::speedTrailSlot].effect, speedTrailEffects[green]);
        EXPECT_EQ(o.effects.slots[Obstacle::gardenTrailSlot].effect, gardenEffectBase + blue);
    }
}

TEST(ObstacleBehaviour, ModesSteerAndAimAsTheGroupAsks) {
    Obstacle o;
    placeDancer(o, Kind::ballerina);
    const Vector left{-2.0f, 0.0f, 0.0f};  // the Prima Ballerina at angle 90
    seePrima(o, left);
    o.think(Obstacle::flee, Vector{}, 0);
    EXPECT_NEAR(o.primaAngle, 90.0f, 0.01f);
    EXPECT_NEAR(o.goalAngle, 270.0f, 0.01f);
    EXPECT_NEAR(o.aimAngle, 90.0f, 0.01f);

    // Hunting: she runs for the talent and aims at the muse.
    seePrima(o, left);
    o.touch(Kind::talentRed, o.position + Vector{0.0f, -2.0f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    o.touch(Kind::muse, o.position + Vector{2.5f, 0.0f, 0.0f}, 0.4f, 0.4f, 1, 0.0f);
    o.think(Obstacle::huntTalents, Vector{}, 0);
    EXPECT_NEAR(o.goalAngle, 180.0f, 0.01f);
    EXPECT_NEAR(o.aimAngle, 270.0f, 0.01f);
    EXPECT_EQ(o.throwTargetKind, Kind::muse);

    // Nothing to hunt: she chases the Prima Ballerina.
    seePrima(o, left);
    o.think(Obstacle::huntTalents, Vector{}, 0);
    EXPECT_NEAR(o.goalAngle, 90.0f, 0.01f);
    EXPECT_EQ(o.throwTargetKind, Kind::prima);

    // A group point: she walks there and the radar shows her way.
    o.think(Obstacle::walkToPoint, Vector{0.0f, 5.0f, 0.0f}, 3);
    EXPECT_NEAR(o.goalAngle, 0.0f, 0.01f);
    EXPECT_NEAR(o.interestDistance, 5.0f, 0.01f);
    EXPECT_EQ(o.targetFlag, 1);
    EXPECT_EQ(o.throwAllowed, 0);
}

TEST(ObstacleBehaviour, SheBacksAwayFromADancerAndCirclesThePrimaBallerinaWithinReachAndTheCatDragsHer) {
    Obstacle o;
    placeDancer(o, Kind::ballerina);
    seePrima(o, Vector{0.0f, 3.0f, 0.0f});
    o.touch(Kind::ballerina, o.position + Vector{0.6f, 0.0f, 0.0f}, dancerSize, dancerSize, 1, 0.0f);
    EXPECT_NEAR(wrapAngle(o.escapeAngle), 90.0f, 0.01f) << "away from a dancer on her right";
    o.think(Obstacle::chase, Vector{}, 0);
    o.update(0.1f, 0.0f);
    EXPECT_GT(o.angle, 0.0f);
    EXPECT_LT(o.angle, 90.0f);

    const Vector cat = o.position + Vector{0.05f, 0.0f, 0.0f};
    o.touch(Kind::cat, cat, Actor::grabSize, Actor::grabSize, 0, 0.0f);
    EXPECT_EQ(o.selected, 1);
    o.update(0.02f, 0.0f);
    EXPECT_FLOAT_EQ(o.position.x, cat.x);
    EXPECT_EQ(o.moodFrame, 3);

    // With nobody else about she circles the Prima Ballerina within her
    // reach, round the way the Prima Ballerina goes; farther off she keeps
    // her course (a chaser must be able to close in).
    float offsets[2];
    for (const int side : {0, 1}) {
        Obstacle c;
        placeDancer(c, Kind::ballerina);
        seePrima(c, Vector{0.0f, 0.6f, 0.0f});
        seePrima(c, Vector{side == 0 ? 0.1f : -0.1f, 0.6f, 0.0f});
        offsets[side] = angleBetween(c.primaAngle, c.escapeAngle);
        EXPECT_NEAR(std::fabs(offsets[side]), 90.0f, 0.01f) << side;
        seePrima(c, Vector{0.0f, 3.0f, 0.0f});
        EXPECT_EQ(c.escapeAngle, 0.0f) << side;
    }
    EXPECT_NEAR(offsets[0], -offsets[1], 0.01f);
}
