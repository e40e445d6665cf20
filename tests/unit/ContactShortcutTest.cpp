// The contact pass skips a touch when the receiving actor says it cannot
// notice the other one (mayNotice). These cases hold every such skip to
// its promise: a touch it would have skipped changes nothing about the
// actor (beyond the scratch distance a touch measures for itself).

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "actors/Muse.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"

namespace {

// Bitwise equality of a list of fields.
template <typename T>
bool same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameActor(const Actor& a, const Actor& b) {
    return same(a.kind, b.kind) && same(a.position, b.position) && same(a.energy, b.energy) &&
           same(a.maxEnergy, b.maxEnergy) && same(a.blocked, b.blocked) && same(a.selected, b.selected) &&
           same(a.carried, b.carried) && same(a.carrierPosition, b.carrierPosition) &&
           same(a.carryDelta, b.carryDelta) && same(a.carrySpeed, b.carrySpeed) &&
           same(a.bounceSpeed, b.bounceSpeed) && same(a.bounceDirection, b.bounceDirection) &&
           same(a.speed, b.speed) && same(a.acceleration, b.acceleration) && same(a.momentum, b.momentum) &&
           same(a.lastMomentum, b.lastMomentum) && same(a.damage, b.damage) && same(a.width, b.width);
}

const std::uint16_t otherKinds[] = {101, 106, 111, 112, 113, 131, 132, 135, 141, 143, 161, 162, 200};

// Random meetings, many of them right at the edges of the reaches that
// matter: the sight range 2.5 and the contact distance.
struct Meeting {
    std::uint16_t kind;
    Vector other;
    float width, height;
    std::uint16_t damage;
    float momentum;
};

class Meetings {
public:
    explicit Meetings(unsigned seed) : random(seed) {}
    Meeting next(const Actor& self) {
        std::uniform_int_distribution<int> pick(0, sizeof otherKinds / sizeof otherKinds[0] - 1);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        Meeting m{};
        m.kind = otherKinds[pick(random)];
        m.width = 0.01f + unit(random) * 0.6f;
        m.height = unit(random) < 0.5f ? m.width : 0.01f + unit(random) * 0.6f;
        const float contact = (self.width + self.height) / 2.0f + (m.width + m.height) / 2.0f;
        const float edges[] = {2.5f, contact, 0.0f, 4.0f};
        const float edge = edges[pick(random) % 4];
        const float along = edge + (unit(random) - 0.5f) * 0.02f;
        const float across = (unit(random) - 0.5f) * 2.0f * along;
        m.other = unit(random) < 0.5f ? self.position + Vector{along, across, 0.0f}
                                      : self.position - Vector{across, along, 0.0f};
        m.damage = static_cast<std::uint16_t>(unit(random) * 10.0f);
        m.momentum = unit(random);
        return m;
    }
    std::mt19937 random;
};

TEST(ContactShortcut, AMuseSkipsOnlyTouchesThatChangeNothing) {
    Meetings meetings(7);
    int skipped = 0, noticed = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        Muse muse;
        muse.place(trial % 3 == 0 ? Kind::museGrowing : Kind::muse,
                   Vector{static_cast<float>(trial % 17) - 8.0f, static_cast<float>(trial % 11) * 0.7f}, 0.4f,
                   0.4f, 45.0f, 12);
        muse.nearestDancer = trial % 2 ? Muse::noDancer : 1.0f;
        const Meeting m = meetings.next(muse);
        if (muse.mayNotice(m.kind, m.other, m.width, m.height)) {
            ++noticed;
            continue;
        }
        ++skipped;
        Muse touched = muse;
        touched.touch(m.kind, m.other, m.width, m.height, m.damage, m.momentum);
        ASSERT_TRUE(sameActor(touched, muse)) << "trial " << trial;
        ASSERT_TRUE(same(touched.nearestDancer, muse.nearestDancer) && same(touched.dancerAngle, muse.dancerAngle) &&
                    same(touched.singing, muse.singing) && same(touched.sang, muse.sang))
            << "trial " << trial;
    }
    EXPECT_GT(skipped, 1000);
    EXPECT_GT(noticed, 1000);
}

TEST(ContactShortcut, ATalentSkipsOnlyTouchesThatChangeNothing) {
    Meetings meetings(11);
    int skipped = 0, noticed = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        PowerUp talent;
        // Some lie beyond the stage's edge, where every touch turns them back.
        const float x = trial % 5 == 0 ? 15.5f : static_cast<float>(trial % 13) - 6.0f;
        talent.place(static_cast<std::uint8_t>(131 + trial % 8), Vector{x, -2.0f}, 0.3f, 0.3f, 10.0f, 0.0f, 12);
        talent.age = trial % 2 ? 0.1f : 1.0f;  // collectable or not yet
        const Meeting m = meetings.next(talent);
        if (talent.mayNotice(m.kind, m.other, m.width, m.height)) {
            ++noticed;
            continue;
        }
        ++skipped;
        PowerUp touched = talent;
        touched.touch(m.kind, m.other, m.width, m.height, m.damage, m.momentum);
        ASSERT_TRUE(sameActor(touched, talent)) << "trial " << trial;
        ASSERT_TRUE(same(touched.nearestDancer, talent.nearestDancer) && same(touched.attracted, talent.attracted) &&
                    same(touched.targetAngle, talent.targetAngle) &&
                    same(touched.nearestPosition, talent.nearestPosition))
            << "trial " << trial;
    }
    EXPECT_GT(skipped, 1000);
    EXPECT_GT(noticed, 1000);
}

TEST(ContactShortcut, ABlossomSkipsOnlyTestsThatChangeNothing) {
    Meetings meetings(13);
    int skipped = 0, noticed = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        Projectile blossom;
        blossom.place(static_cast<std::uint8_t>(141 + trial % 4), Vector{1.0f, static_cast<float>(trial % 7)}, 0.0f,
                      0.0f, 30.0f, trial % 2 ? Kind::prima : Kind::ballerina, static_cast<std::uint16_t>(trial % 3),
                      0.0f, 12);
        blossom.guideRadius = 1.0f;
        const Meeting m = meetings.next(blossom);
        const auto slot = static_cast<std::uint16_t>(trial % 4);
        if (blossom.mayNotice(m.kind, m.other, slot, m.width, m.height)) {
            ++noticed;
            continue;
        }
        ++skipped;
        Projectile touched = blossom;
        touched.touch(m.kind, m.other, slot, m.other + Vector{0.1f, 0.0f}, m.width, m.height, m.damage, m.momentum);
        ASSERT_TRUE(sameActor(touched, blossom)) << "trial " << trial;
        ASSERT_TRUE(same(touched.aimAngle, blossom.aimAngle) && same(touched.guided, blossom.guided) &&
                    same(touched.lastPrimaPosition, blossom.lastPrimaPosition) &&
                    same(touched.lastTargetPosition, blossom.lastTargetPosition))
            << "trial " << trial;
    }
    EXPECT_GT(skipped, 1000);
    EXPECT_GT(noticed, 1000);
}

TEST(ContactShortcut, NearOrUnmeasurableActorsAreAlwaysNoticed) {
    Muse muse;
    muse.place(Kind::muse, Vector{}, 0.4f, 0.4f, 0.0f, 12);
    EXPECT_TRUE(muse.mayNotice(Kind::ballerina, Vector{2.4f, 2.4f}, 0.3f, 0.3f)) << "a dancer in sight";
    EXPECT_FALSE(muse.mayNotice(Kind::ballerina, Vector{2.6f, 0.0f}, 0.3f, 0.3f)) << "beyond sight and reach";
    EXPECT_FALSE(muse.mayNotice(Kind::talentBlue, Vector{1.0f, 0.0f}, 0.3f, 0.3f)) << "a talent out of reach";
    EXPECT_TRUE(muse.mayNotice(Kind::talentBlue, Vector{0.3f, 0.0f}, 0.3f, 0.3f)) << "a talent touching her";
    EXPECT_TRUE(muse.mayNotice(Kind::ballerina, Vector{NAN, 0.0f}, 0.3f, 0.3f));
    EXPECT_TRUE(muse.mayNotice(Kind::talentBlue, Vector{9.0f, 0.0f}, NAN, 0.3f));

    Projectile blossom;
    blossom.place(141, Vector{}, 0.0f, 0.0f, 0.0f, Kind::ballerina, 3, 0.0f, 12);
    EXPECT_TRUE(blossom.mayNotice(Kind::ballerina, Vector{9.0f, 9.0f}, 3, 0.3f, 0.3f)) << "its target, anywhere";
    EXPECT_FALSE(blossom.mayNotice(Kind::ballerina, Vector{9.0f, 9.0f}, 2, 0.3f, 0.3f));
    EXPECT_TRUE(blossom.mayNotice(Kind::prima, Vector{9.0f, 9.0f}, 1, 0.3f, 0.3f));
    EXPECT_TRUE(blossom.mayNotice(Kind::dancerP, Vector{9.0f, 9.0f}, 5, 0.3f, 0.3f));
}

}  // namespace
