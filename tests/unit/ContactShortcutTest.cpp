// The contact pass skips a touch when the receiving actor says it cannot
// notice the other one (mayNotice). A touch it would have skipped must
// change nothing about the actor beyond the distance a touch measures.

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>

#include "actors/Muse.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"

namespace {

// Bitwise equality of the named fields of a and b.
template <typename T, typename... Fields>
bool same(const T& a, const T& b, Fields... fields) {
    return ((std::memcmp(&(a.*fields), &(b.*fields), sizeof(a.*fields)) == 0) && ...);
}

bool sameActor(const Actor& a, const Actor& b) {
    return same(a, b, &Actor::kind, &Actor::position, &Actor::energy, &Actor::blocked, &Actor::selected,
                &Actor::carried, &Actor::carryDelta, &Actor::carrySpeed, &Actor::bounceSpeed, &Actor::bounceDirection,
                &Actor::acceleration, &Actor::momentum, &Actor::lastMomentum, &Actor::damage, &Actor::width,
                &Actor::height, &Actor::speed, &Actor::carrierPosition);
}

struct Meeting {
    std::uint16_t kind, slot, damage;
    Vector other;
    float width, height, momentum;
};

// Random meetings, many right at the edges of the reaches that matter: the
// sight range 2.5 and the contact distance. Every skipped touch must leave
// the actor as it was, its own fields compared by sameOwn.
template <typename A, typename Place, typename Notices, typename Touch, typename SameOwn>
void expectSkipsChangeNothing(unsigned seed, Place place, Notices notices, Touch touch, SameOwn sameOwn) {
    static const std::uint16_t kinds[] = {101, 106, 111, 112, 113, 131, 132, 135, 141, 143, 161, 162, 200};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, std::size(kinds) - 1);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    int skipped = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        A actor;
        place(actor, trial);
        Meeting m{};
        m.kind = kinds[pick(random)];
        m.slot = static_cast<std::uint16_t>(pick(random) % 4);
        m.damage = static_cast<std::uint16_t>(unit(random) * 10.0f);
        m.width = 0.01f + unit(random) * 0.6f;
        m.height = unit(random) < 0.5f ? m.width : 0.01f + unit(random) * 0.6f;
        m.momentum = unit(random);
        const float edges[] = {2.5f, (actor.width + actor.height + m.width + m.height) / 2.0f, 0.0f, 4.0f};
        const float along = edges[pick(random) % 4] + (unit(random) - 0.5f) * 0.02f;
        const float across = (unit(random) - 0.5f) * 2.0f * along;
        m.other = actor.position + (unit(random) < 0.5f ? Vector{along, across, 0.0f} : Vector{-across, -along, 0.0f});
        if (notices(actor, m)) continue;
        ++skipped;
        A touched = actor;
        touch(touched, m);
        ASSERT_TRUE(sameActor(touched, actor) && sameOwn(touched, actor)) << "trial " << trial;
    }
    EXPECT_GT(skipped, 1000);
    EXPECT_LT(skipped, 19000);
}

TEST(ContactShortcut, MusesTalentsAndBlossomsSkipOnlyTouchesThatChangeNothing) {
    expectSkipsChangeNothing<Muse>(
        7,
        [](Muse& muse, int trial) {
            muse.place(trial % 3 ? Kind::muse : Kind::museGrowing,
                       Vector{float(trial % 17) - 8.0f, float(trial % 11) * 0.7f}, 0.4f, 0.4f, 45.0f, 12);
            muse.nearestDancer = trial % 2 ? Muse::noDancer : 1.0f;
        },
        [](const Muse& muse, const Meeting& m) { return muse.mayNotice(m.kind, m.other, m.width, m.height); },
        [](Muse& muse, const Meeting& m) { muse.touch(m.kind, m.other, m.width, m.height, m.damage, m.momentum); },
        [](const Muse& a, const Muse& b) {
            return same(a, b, &Muse::nearestDancer, &Muse::dancerAngle, &Muse::singing);
        });
    expectSkipsChangeNothing<PowerUp>(
        11,
        [](PowerUp& talent, int trial) {
            // Some lie beyond the stage's edge, where every touch turns them back.
            const float x = trial % 5 == 0 ? 15.5f : float(trial % 13) - 6.0f;
            talent.place(std::uint8_t(131 + trial % 8), Vector{x, -2.0f}, 0.3f, 0.3f, 10.0f, 0.0f, 12);
            talent.age = trial % 2 ? 0.1f : 1.0f;  // collectable or not yet
        },
        [](const PowerUp& t, const Meeting& m) { return t.mayNotice(m.kind, m.other, m.width, m.height); },
        [](PowerUp& t, const Meeting& m) { t.touch(m.kind, m.other, m.width, m.height, m.damage, m.momentum); },
        [](const PowerUp& a, const PowerUp& b) {
            return same(a, b, &PowerUp::nearestDancer, &PowerUp::attracted, &PowerUp::targetAngle,
                        &PowerUp::nearestPosition);
        });
    expectSkipsChangeNothing<Projectile>(
        13,
        [](Projectile& blossom, int trial) {
            blossom.place(std::uint8_t(141 + trial % 4), Vector{1.0f, float(trial % 7)}, 0.0f, 0.0f, 30.0f,
                          trial % 2 ? Kind::prima : Kind::ballerina, std::uint16_t(trial % 3), 0.0f, 12);
            blossom.guideRadius = 1.0f;
        },
        [](const Projectile& p, const Meeting& m) { return p.mayNotice(m.kind, m.other, m.slot, m.width, m.height); },
        [](Projectile& p, const Meeting& m) {
            p.touch(m.kind, m.other, m.slot, m.other + Vector{0.1f, 0.0f}, m.width, m.height, m.damage, m.momentum);
        },
        [](const Projectile& a, const Projectile& b) {
            return same(a, b, &Projectile::aimAngle, &Projectile::guided, &Projectile::lastPrimaPosition,
                        &Projectile::lastTargetPosition);
        });
}

}  // namespace
