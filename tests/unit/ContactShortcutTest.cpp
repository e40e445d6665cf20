// The contact pass skips a touch when the receiving actor says it cannot
// notice the other one (mayNotice). A touch it would have skipped must
// change nothing about the actor (beyond the scratch distance a touch
// measures for itself).

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "actors/Muse.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"

namespace {

// Bitwise equality of each pair of fields.
template <typename T>
bool same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
template <typename T, typename... Rest>
bool same(const T& a, const T& b, const Rest&... rest) {
    return same(a, b) && same(rest...);
}

bool sameActor(const Actor& a, const Actor& b) {
    return same(a.kind, b.kind, a.position, b.position, a.energy, b.energy, a.maxEnergy, b.maxEnergy, a.blocked,
                b.blocked, a.selected, b.selected, a.carried, b.carried, a.carrierPosition, b.carrierPosition,
                a.carryDelta, b.carryDelta, a.carrySpeed, b.carrySpeed, a.bounceSpeed, b.bounceSpeed,
                a.bounceDirection, b.bounceDirection, a.speed, b.speed, a.acceleration, b.acceleration, a.momentum,
                b.momentum, a.lastMomentum, b.lastMomentum, a.damage, b.damage, a.width, b.width);
}

struct Meeting {
    std::uint16_t kind;
    Vector other;
    float width, height;
    std::uint16_t damage;
    float momentum;
    std::uint16_t slot;
};

// Random meetings, many right at the edges of the reaches that matter: the
// sight range 2.5 and the contact distance.
Meeting nextMeeting(std::mt19937& random, const Actor& self) {
    static const std::uint16_t kinds[] = {101, 106, 111, 112, 113, 131, 132, 135, 141, 143, 161, 162, 200};
    std::uniform_int_distribution<int> pick(0, sizeof kinds / sizeof kinds[0] - 1);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    Meeting m{};
    m.kind = kinds[pick(random)];
    m.width = 0.01f + unit(random) * 0.6f;
    m.height = unit(random) < 0.5f ? m.width : 0.01f + unit(random) * 0.6f;
    const float contact = (self.width + self.height) / 2.0f + (m.width + m.height) / 2.0f;
    const float edges[] = {2.5f, contact, 0.0f, 4.0f};
    const float along = edges[pick(random) % 4] + (unit(random) - 0.5f) * 0.02f;
    const float across = (unit(random) - 0.5f) * 2.0f * along;
    m.other = unit(random) < 0.5f ? self.position + Vector{along, across, 0.0f}
                                  : self.position - Vector{across, along, 0.0f};
    m.damage = static_cast<std::uint16_t>(unit(random) * 10.0f);
    m.momentum = unit(random);
    m.slot = static_cast<std::uint16_t>(pick(random) % 4);
    return m;
}

// place(actor, trial) sets up a fresh actor; the others take the actor and
// the meeting. Every skipped touch must leave the actor as it was.
template <typename A, typename Place, typename Notices, typename Touch, typename SameOwn>
void expectSkipsChangeNothing(unsigned seed, Place place, Notices notices, Touch touch, SameOwn sameOwn) {
    std::mt19937 random(seed);
    int skipped = 0, noticed = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        A actor;
        place(actor, trial);
        const Meeting m = nextMeeting(random, actor);
        if (notices(actor, m)) {
            ++noticed;
            continue;
        }
        ++skipped;
        A touched = actor;
        touch(touched, m);
        ASSERT_TRUE(sameActor(touched, actor)) << "trial " << trial;
        ASSERT_TRUE(sameOwn(touched, actor)) << "trial " << trial;
    }
    EXPECT_GT(skipped, 1000);
    EXPECT_GT(noticed, 1000);
}

TEST(ContactShortcut, MusesTalentsAndBlossomsSkipOnlyTouchesThatChangeNothing) {
    {
        SCOPED_TRACE("muse");
        expectSkipsChangeNothing<Muse>(
            7,
            [](Muse& muse, int trial) {
                muse.place(trial % 3 == 0 ? Kind::museGrowing : Kind::muse,
                           Vector{static_cast<float>(trial % 17) - 8.0f, static_cast<float>(trial % 11) * 0.7f}, 0.4f,
                           0.4f, 45.0f, 12);
                muse.nearestDancer = trial % 2 ? Muse::noDancer : 1.0f;
            },
            [](const Muse& muse, const Meeting& m) { return muse.mayNotice(m.kind, m.other, m.width, m.height); },
            [](Muse& muse, const Meeting& m) { muse.touch(m.kind, m.other, m.width, m.height, m.damage, m.momentum); },
            [](const Muse& a, const Muse& b) {
                return same(a.nearestDancer, b.nearestDancer, a.dancerAngle, b.dancerAngle, a.singing, b.singing,
                            a.sang, b.sang);
            });
    }
    {
        SCOPED_TRACE("talent");
        expectSkipsChangeNothing<PowerUp>(
            11,
            [](PowerUp& talent, int trial) {
                // Some lie beyond the stage's edge, where every touch turns them back.
                const float x = trial % 5 == 0 ? 15.5f : static_cast<float>(trial % 13) - 6.0f;
                talent.place(static_cast<std::uint8_t>(131 + trial % 8), Vector{x, -2.0f}, 0.3f, 0.3f, 10.0f, 0.0f,
                             12);
                talent.age = trial % 2 ? 0.1f : 1.0f;  // collectable or not yet
            },
            [](const PowerUp& t, const Meeting& m) { return t.mayNotice(m.kind, m.other, m.width, m.height); },
            [](PowerUp& t, const Meeting& m) { t.touch(m.kind, m.other, m.width, m.height, m.damage, m.momentum); },
            [](const PowerUp& a, const PowerUp& b) {
                return same(a.nearestDancer, b.nearestDancer, a.attracted, b.attracted, a.targetAngle, b.targetAngle,
                            a.nearestPosition, b.nearestPosition);
            });
    }
    {
        SCOPED_TRACE("blossom");
        expectSkipsChangeNothing<Projectile>(
            13,
            [](Projectile& blossom, int trial) {
                blossom.place(static_cast<std::uint8_t>(141 + trial % 4), Vector{1.0f, static_cast<float>(trial % 7)},
                              0.0f, 0.0f, 30.0f, trial % 2 ? Kind::prima : Kind::ballerina,
                              static_cast<std::uint16_t>(trial % 3), 0.0f, 12);
                blossom.guideRadius = 1.0f;
            },
            [](const Projectile& p, const Meeting& m) { return p.mayNotice(m.kind, m.other, m.slot, m.width, m.height); },
            [](Projectile& p, const Meeting& m) {
                p.touch(m.kind, m.other, m.slot, m.other + Vector{0.1f, 0.0f}, m.width, m.height, m.damage, m.momentum);
            },
            [](const Projectile& a, const Projectile& b) {
                return same(a.aimAngle, b.aimAngle, a.guided, b.guided, a.lastPrimaPosition, b.lastPrimaPosition,
                            a.lastTargetPosition, b.lastTargetPosition);
            });
    }
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
