#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "actors/EffectPool.h"

namespace {

const Vector somewhere{1.0f, 1.0f, 0.0f};
const Vector up{0.0f, 1.0f, 0.0f};

std::set<int> behavioursOf(const EffectPool& pool) {
    std::set<int> found;
    for (int i = 0; i < EffectPool::capacity; ++i)
        if (pool.effect(i).busy()) found.insert(pool.effect(i).behaviour);
    return found;
}

std::array<int, 4> rgba(const Effect& e) { return {e.colour[0], e.colour[1], e.colour[2], e.colour[3]}; }

class EffectPoolTest : public ::testing::Test {
protected:
    std::unique_ptr<EffectPool> pool = std::make_unique<EffectPool>();
    int letterFlash(Vector at = somewhere) { return pool->spawn(87, 200, 0, at, up); }
};

TEST_F(EffectPoolTest, EachEffectNumberStartsItsPatternAndOtherNumbersNothing) {
    const struct {
        std::set<int> effects, behaviours;
    } table[] = {
        {{1, 2, 3, 4, 21}, {184, 186, 194}}, {{5, 6, 7, 8}, {189, 190, 191}}, {{22}, {187, 192, 193}},
        {{23, 24, 25, 26}, {188}},           {{51, 52, 71, 72}, {183}},       {{81, 82, 83, 84}, {185}},
        {{85, 86}, {182}},                   {{87, 88}, {195}},               {{89, 90}, {196}},
    };
    for (const auto& row : table) {
        for (int effect : row.effects) {
            SCOPED_TRACE(effect);
            pool->reset(181, 196);
            const int started = pool->spawn(effect, 111, 3, somewhere, up);
            EXPECT_GT(started, 0);
            EXPECT_EQ(started, pool->busyCount());
            EXPECT_EQ(behavioursOf(*pool), row.behaviours);
        }
    }
    pool->reset(181, 196);
    for (int effect : {0, 9, 11, 12, 13, 20, 27, 33, 50, 80, 91, 182, 255, -1})
        EXPECT_EQ(pool->spawn(effect, 111, 0, somewhere, up), 0) << effect;
    // Nothing at a position or direction without x and y, one axis is enough.
    EXPECT_EQ(pool->spawn(1, 111, 0, Vector{0.0f, 0.0f, 5.0f}, up), 0);
    EXPECT_EQ(pool->spawn(1, 111, 0, somewhere, Vector{0.0f, 0.0f, 1.0f}), 0);
    EXPECT_EQ(pool->spawn(1, 111, 0, Vector{NAN, 1.0f, 0.0f}, up), 0);
    EXPECT_EQ(pool->busyCount(), 0);
    EXPECT_GT(pool->spawn(1, 111, 0, Vector{0.0f, -2.0f, 0.0f}, Vector{0.5f, 0.0f, 0.0f}), 0);
}

TEST_F(EffectPoolTest, TheLetterFlashesAreOneGreenOrRedParticleOnTheFloor) {
    pool->spawn(87, 200, 0, Vector{0.5f, -0.25f, 0.75f}, up);
    pool->spawn(88, 200, 0, somewhere, up);
    ASSERT_EQ(pool->busyCount(), 2);
    const Effect& right = pool->effect(0);
    const Effect& wrong = pool->effect(1);
    EXPECT_EQ(right.letter, 'W');
    EXPECT_EQ(right.position, (Vector{0.5f, -0.25f, 0.0f}));
    EXPECT_FLOAT_EQ(right.baseWidth, 0.3f);
    EXPECT_FLOAT_EQ(right.life, 0.6f);
    EXPECT_EQ(right.velocity, Vector{});
    EXPECT_EQ(rgba(right), (std::array<int, 4>{0, 255, 0, 100}));
    EXPECT_EQ(wrong.letter, 'X');
    EXPECT_EQ(rgba(wrong), (std::array<int, 4>{255, 0, 0, 100}));
}

TEST_F(EffectPoolTest, AFullPoolSpawnsNothingAndPatternsTakeTheFirstFreeSlots) {
    for (int i = 0; i < EffectPool::capacity - 3; ++i) ASSERT_EQ(letterFlash(), 1);
    EXPECT_EQ(pool->spawn(4, 144, 0, somewhere, up), 3) << "a pattern cut short fills what is left";
    EXPECT_EQ(pool->spawn(1, 141, 0, somewhere, up), 0);
    EXPECT_EQ(letterFlash(), 0);
    EXPECT_EQ(pool->busyCount(), EffectPool::capacity);

    pool->reset(181, 196);
    letterFlash();                              // slot 0
    letterFlash(Vector{9.0f, 9.0f, 0.0f});      // slot 1, culled below
    letterFlash();                              // slot 2
    pool->update(0.01f, 0.0f, 0.0f, 2.9f);
    ASSERT_FALSE(pool->effect(1).busy());
    const int started = pool->spawn(23, 101, 1, somewhere, up);
    EXPECT_EQ(pool->effect(1).behaviour, 188);
    EXPECT_EQ(pool->effect(2).behaviour, 195);
    EXPECT_EQ(pool->effect(3).behaviour, 188);
    EXPECT_EQ(pool->busyCount(), 2 + started);
}

TEST_F(EffectPoolTest, AParticleLivesUntilItsLifeReachesExactlyZeroOrItIsCulled) {
    letterFlash();
    pool->update(0.5f, 1.0f, 1.0f, 2.9f);
    EXPECT_TRUE(pool->effect(0).busy());
    EXPECT_NEAR(pool->effect(0).life, 0.1f, 1e-6f);
    pool->reset(181, 196);
    letterFlash();
    pool->update(0.6f, 1.0f, 1.0f, 2.9f);
    EXPECT_FALSE(pool->effect(0).busy());

    // Cullable particles are freed far from the view on either axis.
    pool->reset(181, 196);
    letterFlash(Vector{3.0f, 0.5f, 0.0f});
    letterFlash(Vector{0.5f, -3.0f, 0.0f});
    letterFlash(Vector{2.5f, 2.5f, 0.0f});
    pool->spawn(22, 161, 4, Vector{2.5f, 2.5f, 0.0f}, up);  // its glow is not cullable
    pool->attach(101, 1, Vector{8.0f, 8.0f, 0.0f}, Vector{}, 0.0f);
    pool->update(0.01f, 0.0f, 0.0f, 2.9f);
    EXPECT_FALSE(pool->effect(0).busy());
    EXPECT_FALSE(pool->effect(1).busy());
    EXPECT_TRUE(pool->effect(2).busy());
    EXPECT_NEAR(pool->effect(2).offX, 2.5f, 1e-6f);
    EXPECT_EQ(pool->effect(3).behaviour, 187);
    EXPECT_TRUE(pool->effect(3).busy());
}

TEST_F(EffectPoolTest, AttachCarriesEveryParticleOfItsOwnerAndCentresTheSongsGlowOnHer) {
    pool->spawn(22, 161, 4, somewhere, up);
    int glow = -1;
    for (int i = 0; i < EffectPool::capacity; ++i)
        if (pool->effect(i).behaviour == 187) glow = i;
    ASSERT_GE(glow, 0);
    EXPECT_EQ(pool->effect(glow).ownerKind, 101) << "the glow belongs to the Prima Ballerina";
    EXPECT_EQ(pool->effect(glow).ownerIndex, 1);
    const Vector note = pool->effect(glow + 1).position;
    const int puff = pool->busyCount();
    pool->spawn(51, 111, 1, somewhere, up);  // a dancer's speed trail
    ASSERT_EQ(pool->effect(puff).behaviour, 183);

    pool->attach(111, 2, Vector{5.0f, 5.0f, 0.0f}, Vector{}, 10.0f);  // someone else
    EXPECT_EQ(pool->effect(glow).position, somewhere);
    pool->attach(101, 1, Vector{2.0f, 3.0f, 0.0f}, Vector{0.5f, 0.25f, 0.0f}, 30.0f);
    EXPECT_EQ(pool->effect(glow).position, (Vector{2.0f, 3.0f, 0.0f}));
    pool->attach(111, 1, Vector{4.0f, 4.0f, 0.0f}, Vector{}, 0.0f);  // first seen: nothing moves yet
    const Effect before = pool->effect(puff);
    EXPECT_EQ(before.position, somewhere);

    // Between two frames the dancer moves on: her puff moves with her,
    // along its own spiral, while the notes stay where the muse sang.
    pool->update(0.1f, 2.5f, 3.0f, 2.9f);
    EXPECT_FLOAT_EQ(pool->effect(glow).rotation, 210.0f) << "her heading turned round";
    const Vector drifted = pool->effect(puff).position;
    pool->attach(111, 1, Vector{4.25f, 3.9f, 0.0f}, Vector{}, 0.0f);
    EXPECT_NEAR(pool->effect(puff).position.x, drifted.x + 0.25f, 1e-5f);
    EXPECT_NEAR(pool->effect(puff).position.y, drifted.y - 0.1f, 1e-5f);
    EXPECT_NEAR(pool->effect(puff).origin.x, before.origin.x + 0.25f, 1e-5f);
    EXPECT_EQ(pool->effect(glow + 1).position, note);

    // A jump of more than half a unit, or a frame without her, carries nothing.
    pool->update(0.01f, 2.5f, 3.0f, 2.9f);
    const Vector settled = pool->effect(puff).position;
    pool->attach(111, 1, Vector{9.0f, 3.9f, 0.0f}, Vector{}, 0.0f);
    EXPECT_EQ(pool->effect(puff).position, settled);
    pool->update(0.0f, 2.5f, 3.0f, 2.9f);
    pool->update(0.0f, 2.5f, 3.0f, 2.9f);  // she was not there
    pool->attach(111, 1, Vector{9.2f, 3.9f, 0.0f}, Vector{}, 0.0f);
    EXPECT_EQ(pool->effect(puff).position, settled);
}

// Through spawns, updates that free particles, and resets, attach reaches
// exactly the busy particles of its owner and leaves every other slot as it was.
TEST_F(EffectPoolTest, AttachFindsEveryParticleOfItsOwnerAndNoOtherThroughAnyHistory) {
    std::mt19937 random(17);
    const int numbers[] = {1, 4, 5, 8, 21, 22, 23, 51, 72, 81, 85, 90};
    const std::uint8_t kinds[] = {101, 106, 111, 141, 161};
    std::uniform_int_distribution<int> pickNumber(0, 11), pickKind(0, 4), pickSlot(0, 5), pickStep(0, 9);
    std::vector<Effect> before(EffectPool::capacity);
    for (int step = 0; step < 3000; ++step) {
        const int what = pickStep(random);
        const std::uint8_t kind = kinds[pickKind(random)];
        const auto slot = static_cast<std::uint8_t>(pickSlot(random));
        if (what < 4) {
            pool->spawn(numbers[pickNumber(random)], kind, slot, Vector{1.0f, 2.0f}, Vector{0.3f, 1.0f});
        } else if (what < 6) {
            pool->update(0.05f, 0.0f, 0.0f, 100.0f);
        } else if (what == 6 && step % 500 == 0) {
            pool->reset(181, 196);
        } else {
            for (int i = 0; i < EffectPool::capacity; ++i) before[i] = pool->effect(i);
            const auto angle = static_cast<float>(step);
            pool->attach(kind, slot, Vector{3.0f, 4.0f}, Vector{0.5f, 0.0f}, angle);
            for (int i = 0; i < EffectPool::capacity; ++i) {
                const Effect& e = pool->effect(i);
                SCOPED_TRACE(testing::Message() << "step " << step << ", slot " << i);
                if (before[i].busy() && before[i].ownerKind == kind && before[i].ownerIndex == slot) {
                    ASSERT_EQ(e.ownerAngle, angle);
                    if (e.behaviour == 187) {
                        ASSERT_EQ(e.position.x, 3.0f);
                    }
                } else {
                    ASSERT_EQ(e.ownerAngle, before[i].ownerAngle);
                    ASSERT_EQ(std::memcmp(&e.position, &before[i].position, sizeof e.position), 0);
                }
            }
        }
    }
}

TEST_F(EffectPoolTest, ParticlesGrowSpinFadeAndFly) {
    letterFlash();
    pool->update(0.3f, 1.0f, 1.0f, 2.9f);
    const Effect& flash = pool->effect(0);
    EXPECT_NEAR(flash.width, 0.3f * 0.3f * 20.0f, 1e-5f);  // grow 20
    EXPECT_NEAR(flash.rotation, 135.0f, 1e-3f);             // spin 450
    EXPECT_EQ(flash.colour[3], 100);
    pool->update(0.27f, 1.0f, 1.0f, 2.9f);  // 0.03 s left of the 0.05 s fade
    EXPECT_NEAR(flash.colour[3], 60, 1);
    EXPECT_EQ(EffectPool::frameOf(flash), 8);
    pool->spawn(51, 111, 0, somewhere, up);  // a faint puff (alpha below 100)
    const Effect& puff = pool->effect(1);
    ASSERT_LT(puff.startColour[3], 100);
    pool->update(puff.lifetime - 0.8f, 1.0f, 1.0f, 2.9f);
    EXPECT_NEAR(puff.colour[3], 80, 1) << "fades from 100, whatever its start";

    pool->reset(181, 196);
    pool->spawn(1, 141, 2, somewhere, up);
    const Effect& petal = pool->effect(0);
    ASSERT_EQ(petal.behaviour, 184);
    EXPECT_EQ(EffectPool::frameOf(petal), 1);
    const Vector velocity = petal.velocity;
    EXPECT_GT(velocity.length(), 0.4f);
    pool->update(0.2f, 1.0f, 1.0f, 2.9f);
    EXPECT_NEAR(petal.position.x, somewhere.x + velocity.x * 0.2f, 1e-5f);
    EXPECT_NEAR(petal.position.y, somewhere.y + velocity.y * 0.2f, 1e-5f);
    EXPECT_FALSE(EffectPool::drawnBehind(petal));

    // The song's glow pops to full size once it outgrows one unit.
    pool->reset(181, 196);
    pool->spawn(22, 161, 4, somewhere, up);
    pool->update(0.25f, 1.0f, 1.0f, 2.9f);
    EXPECT_NEAR(pool->effect(0).width, 0.5f, 1e-5f);
    pool->update(0.3f, 1.0f, 1.0f, 2.9f);
    EXPECT_FLOAT_EQ(pool->effect(0).width, 5.0f);
    EXPECT_FLOAT_EQ(pool->effect(0).height, 5.0f);
}

TEST_F(EffectPoolTest, TrailsSpiralAwayAndSettleUnderTheActorsAndFlowersLieOnTheFloor) {
    pool->spawn(72, 111, 0, somewhere, up);
    const Effect& puff = pool->effect(0);
    ASSERT_EQ(puff.behaviour, 183);
    EXPECT_FALSE(EffectPool::drawnBehind(puff));
    for (int i = 0; i < 10; ++i) pool->update(0.05f, 1.0f, 1.0f, 2.9f);
    EXPECT_GT((puff.position - somewhere).length(), 0.0f);
    EXPECT_TRUE(EffectPool::drawnBehind(puff)) << "a quarter of its life has passed";
    EXPECT_GT(puff.width, 0.0f);

    pool->reset(181, 196);
    pool->spawn(84, 111, 0, somewhere, up);
    EXPECT_TRUE(EffectPool::drawnBehind(pool->effect(0)));
    EXPECT_FLOAT_EQ(pool->effect(0).width, pool->effect(0).baseWidth);
}

TEST_F(EffectPoolTest, ResetRemembersTheSpriteSetsAndFreesEverythingAndBadSlotsReadFree) {
    EXPECT_EQ(pool->firstSet(), 181);
    EXPECT_EQ(pool->lastSet(), 196);
    pool->spawn(21, 111, 0, somewhere, up);
    pool->reset(100, 120);
    EXPECT_EQ(pool->busyCount(), 0);
    EXPECT_EQ(pool->firstSet(), 100);
    EXPECT_EQ(pool->lastSet(), 120);
    EXPECT_EQ(pool->effect(-1).behaviour, 0);
    EXPECT_EQ(pool->effect(500).behaviour, 0);
}

}  // namespace
