#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "actors/EffectPool.h"

namespace {

const Vector somewhere{1.0f, 1.0f, 0.0f};
const Vector up{0.0f, 1.0f, 0.0f};

class EffectPoolTest : public ::testing::Test {
protected:
    std::unique_ptr<EffectPool> pool = std::make_unique<EffectPool>();
    int letterFlash(Vector at = somewhere) { return pool->spawn(87, 200, 0, at, up); }
    void update(float dt) { pool->update(dt, 1.0f, 1.0f, 2.9f); }
};

TEST_F(EffectPoolTest, EachEffectNumberStartsItsPatternAndOtherNumbersOrBadPlacesNothing) {
    const struct { std::set<int> effects, behaviours; } table[] = {
        {{1, 2, 3, 4, 21}, {184, 186, 194}}, {{5, 6, 7, 8}, {189, 190, 191}}, {{22}, {187, 192, 193}},
        {{23, 24, 25, 26}, {188}},           {{51, 52, 71, 72}, {183}},       {{81, 82, 83, 84}, {185}},
        {{85, 86}, {182}},                   {{87, 88}, {195}},               {{89, 90}, {196}},
    };
    for (const auto& row : table) {
        for (int effect : row.effects) {
            pool->reset(181, 196);
            const int started = pool->spawn(effect, 111, 3, somewhere, up);
            std::set<int> behaviours;
            for (int i = 0; i < started; ++i) behaviours.insert(pool->effect(i).behaviour);
            EXPECT_EQ(started, pool->busyCount()) << effect;
            EXPECT_EQ(behaviours, row.behaviours) << effect;
            for (int step = 0; step < 20; ++step) update(0.1f);  // every pattern lives out its life
        }
    }
    pool->reset(181, 196);
    for (int effect : {0, 9, 20, 27, 50, 80, 91, 182, 255, -1}) EXPECT_EQ(pool->spawn(effect, 111, 0, somewhere, up), 0);
    EXPECT_EQ(pool->spawn(1, 111, 0, Vector{0.0f, 0.0f, 5.0f}, up), 0) << "no x and y";
    EXPECT_EQ(pool->spawn(1, 111, 0, somewhere, Vector{0.0f, 0.0f, 1.0f}), 0) << "no direction";
    EXPECT_EQ(pool->spawn(1, 111, 0, Vector{NAN, 1.0f, 0.0f}, up), 0);
    EXPECT_GT(pool->spawn(1, 111, 0, Vector{0.0f, -2.0f, 0.0f}, Vector{0.5f, 0.0f, 0.0f}), 0) << "one axis is enough";
}

TEST_F(EffectPoolTest, AFullPoolSpawnsNothingAndAParticleLivesUntilItsLifeIsZeroOrItIsOutOfView) {
    for (int i = 0; i < EffectPool::capacity - 3; ++i) ASSERT_EQ(letterFlash(), 1);
    EXPECT_EQ(pool->spawn(4, 144, 0, somewhere, up), 3) << "a pattern cut short fills what is left";
    EXPECT_EQ(letterFlash(), 0);

    pool->reset(181, 196);
    letterFlash();
    update(0.6f);  // exactly its life
    letterFlash(Vector{1.0f + 3.0f, 1.5f, 0.0f});  // far from the view on either axis
    letterFlash(Vector{1.5f, 1.0f - 3.0f, 0.0f});
    letterFlash(Vector{1.0f + 2.5f, 1.0f + 2.5f, 0.0f});
    update(0.3f);
    EXPECT_EQ(pool->busyCount(), 1);
    EXPECT_NEAR(pool->effect(2).width, 0.3f * 0.3f * 20.0f, 1e-5f) << "it grows";
    pool->spawn(23, 101, 1, somewhere, up);
    EXPECT_EQ(std::tuple(pool->effect(0).behaviour, pool->effect(1).behaviour, pool->effect(3).behaviour),
              std::tuple(188, 188, 188)) << "patterns take the first free slots";
}

// Through spawns, updates that free particles, and resets, attach moves
// exactly the particles of its owner (by at most half a unit, the song's glow
// onto her) and leaves every other slot as it was.
TEST_F(EffectPoolTest, AttachCarriesEveryParticleOfItsOwnerAndNoOtherThroughAnyHistory) {
    std::mt19937 random(17);
    const int numbers[] = {1, 4, 5, 8, 21, 22, 23, 51, 72, 81, 85, 90};
    const std::uint8_t kinds[] = {101, 106, 111, 141, 161};
    std::uniform_int_distribution<int> pickNumber(0, 11), pickKind(0, 4), pickSlot(0, 5), pickStep(0, 9);
    std::uniform_real_distribution<float> offset(-0.4f, 0.4f);
    std::vector<Effect> before(EffectPool::capacity);
    Vector owners[256][6] = {};
    for (int step = 0; step < 3000; ++step) {
        const int what = pickStep(random);
        const std::uint8_t kind = kinds[pickKind(random)];
        const auto slot = static_cast<std::uint8_t>(pickSlot(random));
        if (what < 4) {
            pool->spawn(numbers[pickNumber(random)], kind, slot, owners[kind][slot], Vector{0.3f, 1.0f});
        } else if (what < 6) {
            pool->update(0.05f, 0.0f, 0.0f, 100.0f);
        } else if (what == 6 && step % 500 == 0) {
            pool->reset(181, 196);
        } else {
            for (int i = 0; i < EffectPool::capacity; ++i) before[i] = pool->effect(i);
            const Vector to = owners[kind][slot] + Vector{offset(random), offset(random), 0.0f};
            pool->attach(kind, slot, to, Vector{}, static_cast<float>(step));
            for (int i = 0; i < EffectPool::capacity; ++i) {
                const Effect& e = pool->effect(i);
                const bool own = before[i].busy() && before[i].ownerKind == kind && before[i].ownerIndex == slot;
                SCOPED_TRACE(testing::Message() << "step " << step << ", slot " << i);
                ASSERT_EQ(e.ownerAngle, own ? static_cast<float>(step) : before[i].ownerAngle);
                if (!own) {
                    ASSERT_EQ(std::memcmp(&e.position, &before[i].position, sizeof e.position), 0);
                } else if (e.behaviour == 187) {
                    ASSERT_EQ(e.position, to);
                }
                if (own && e.behaviour != 187) {  // carried along unless it jumped or skipped a frame
                    const Vector moved = to - before[i].ownerAt;
                    const bool carried = before[i].anchored && moved.length() <= 0.5f;
                    ASSERT_LT((e.position - before[i].position - (carried ? moved : Vector{})).length(), 1e-5f);
                }
            }
            owners[kind][slot] = to;
        }
    }
}

}  // namespace
