#include <gtest/gtest.h>

#include <memory>
#include <set>

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

TEST(EffectPoolTest, EachEffectNumberStartsTheBehavioursOfItsPattern) {
    const struct {
        int effect;
        std::set<int> behaviours;
    } table[] = {
        {1, {184, 186, 194}}, {2, {184, 186, 194}}, {3, {184, 186, 194}}, {4, {184, 186, 194}},
        {5, {189, 190, 191}}, {6, {189, 190, 191}}, {7, {189, 190, 191}}, {8, {189, 190, 191}},
        {21, {184, 186, 194}}, {22, {187, 192, 193}}, {23, {188}}, {24, {188}}, {25, {188}}, {26, {188}},
        {51, {183}}, {52, {183}}, {71, {183}}, {72, {183}}, {81, {185}}, {82, {185}}, {83, {185}}, {84, {185}},
        {85, {182}}, {86, {182}}, {87, {195}}, {88, {195}}, {89, {196}}, {90, {196}},
    };
    auto pool = std::make_unique<EffectPool>();
    for (const auto& row : table) {
        pool->reset(181, 196);
        const int started = pool->spawn(row.effect, 111, 3, somewhere, up);
        EXPECT_GT(started, 0) << row.effect;
        EXPECT_EQ(started, pool->busyCount()) << row.effect;
        EXPECT_EQ(behavioursOf(*pool), row.behaviours) << row.effect;
    }
}

TEST(EffectPoolTest, HitsAndUnknownNumbersSpawnNothing) {
    auto pool = std::make_unique<EffectPool>();
    for (int effect : {0, 9, 11, 12, 13, 20, 27, 33, 50, 80, 91, 182, 255, -1}) {
        EXPECT_EQ(pool->spawn(effect, 111, 0, somewhere, up), 0) << effect;
    }
    EXPECT_EQ(pool->busyCount(), 0);
}

TEST(EffectPoolTest, APositionOrDirectionAtZeroSpawnsNothing) {
    auto pool = std::make_unique<EffectPool>();
    EXPECT_EQ(pool->spawn(1, 111, 0, Vector{0.0f, 0.0f, 5.0f}, up), 0);
    EXPECT_EQ(pool->spawn(1, 111, 0, somewhere, Vector{0.0f, 0.0f, 1.0f}), 0);
    EXPECT_EQ(pool->spawn(1, 111, 0, Vector{NAN, 1.0f, 0.0f}, up), 0);
    EXPECT_EQ(pool->busyCount(), 0);
    // One non-zero axis is enough.
    EXPECT_GT(pool->spawn(1, 111, 0, Vector{0.0f, -2.0f, 0.0f}, Vector{0.5f, 0.0f, 0.0f}), 0);
}

TEST(EffectPoolTest, TheRightLetterFlashIsExactlyOneGreenParticle) {
    auto pool = std::make_unique<EffectPool>();
    pool->spawn(87, 200, 0, Vector{0.5f, -0.25f, 0.75f}, up);
    pool->spawn(88, 200, 0, Vector{0.5f, -0.25f, 0.0f}, up);
    ASSERT_EQ(pool->busyCount(), 2);
    const Effect& e = pool->effect(0);
    EXPECT_EQ(e.behaviour, 195);
    EXPECT_EQ(e.letter, 'W');
    EXPECT_EQ(e.fresh, 0);
    EXPECT_EQ(e.position, (Vector{0.5f, -0.25f, 0.0f}));
    EXPECT_EQ(e.ownerKind, 200);
    EXPECT_EQ(e.ownerIndex, 0);
    EXPECT_FLOAT_EQ(e.baseWidth, 0.3f);
    EXPECT_FLOAT_EQ(e.baseHeight, 0.3f);
    EXPECT_EQ(e.colour[0], 0);
    EXPECT_EQ(e.colour[1], 255);
    EXPECT_EQ(e.colour[2], 0);
    EXPECT_EQ(e.colour[3], 100);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(e.startColour[k], e.colour[k]);
    EXPECT_FLOAT_EQ(e.lifetime, 0.6f);
    EXPECT_FLOAT_EQ(e.life, 0.6f);
    EXPECT_EQ(e.cullable, 1);
    EXPECT_EQ(e.velocity, Vector{});
    EXPECT_FLOAT_EQ(e.rotation, 0.0f);
    const Effect& red = pool->effect(1);
    EXPECT_EQ(red.letter, 'X');
    EXPECT_EQ(red.colour[0], 255);
    EXPECT_EQ(red.colour[1], 0);
}

TEST(EffectPoolTest, AFullPoolSpawnsNothingAndPatternsTakeTheFirstFreeSlots) {
    auto pool = std::make_unique<EffectPool>();
    for (int i = 0; i < EffectPool::capacity; ++i) ASSERT_EQ(pool->spawn(87, 200, 0, somewhere, up), 1);
    EXPECT_EQ(pool->spawn(1, 141, 0, somewhere, up), 0);
    EXPECT_EQ(pool->spawn(88, 200, 0, somewhere, up), 0);
    EXPECT_EQ(pool->busyCount(), EffectPool::capacity);
    for (int i = 0; i < EffectPool::capacity; ++i) ASSERT_EQ(pool->effect(i).letter, 'W');

    // A slot freed in the middle is the first one a pattern takes.
    pool->reset(181, 196);
    pool->spawn(87, 200, 0, somewhere, up);                 // slot 0
    pool->spawn(85, 200, 0, Vector{9.0f, 9.0f, 0.0f}, up);  // slot 1, culled below
    pool->spawn(87, 200, 0, somewhere, up);                 // slot 2
    pool->update(0.01f, 0.0f, 0.0f, 2.9f);
    ASSERT_FALSE(pool->effect(1).busy());
    const int started = pool->spawn(23, 101, 1, somewhere, up);
    EXPECT_EQ(pool->effect(1).behaviour, 188);
    EXPECT_EQ(pool->effect(2).behaviour, 195);
    EXPECT_EQ(pool->effect(3).behaviour, 188);
    EXPECT_EQ(pool->busyCount(), 2 + started);
}

TEST(EffectPoolTest, APatternCutShortByAFullPoolFillsWhatIsLeft) {
    auto pool = std::make_unique<EffectPool>();
    for (int i = 0; i < EffectPool::capacity - 3; ++i) pool->spawn(87, 200, 0, somewhere, up);
    EXPECT_EQ(pool->spawn(4, 144, 0, somewhere, up), 3);
    EXPECT_EQ(pool->busyCount(), EffectPool::capacity);
}

TEST(EffectPoolTest, LifeReachingExactlyZeroFreesTheSlot) {
    auto pool = std::make_unique<EffectPool>();
    pool->spawn(87, 200, 0, somewhere, up);
    pool->update(0.5f, 1.0f, 1.0f, 2.9f);
    EXPECT_TRUE(pool->effect(0).busy());
    EXPECT_NEAR(pool->effect(0).life, 0.1f, 1e-6f);
    pool->reset(181, 196);
    pool->spawn(87, 200, 0, somewhere, up);
    pool->update(0.6f, 1.0f, 1.0f, 2.9f);
    EXPECT_FALSE(pool->effect(0).busy());
    EXPECT_EQ(pool->effect(0).cullable, 1);
    EXPECT_EQ(pool->busyCount(), 0);
}

TEST(EffectPoolTest, CullableParticlesFarFromTheViewOnEitherAxisAreFreed) {
    auto pool = std::make_unique<EffectPool>();
    pool->spawn(87, 200, 0, Vector{3.0f, 0.5f, 0.0f}, up);   // off on x
    pool->spawn(87, 200, 0, Vector{0.5f, -3.0f, 0.0f}, up);  // off on y
    pool->spawn(87, 200, 0, Vector{2.5f, 2.5f, 0.0f}, up);   // inside on both
    pool->spawn(22, 161, 4, Vector{2.5f, 2.5f, 0.0f}, up);   // its glow is not cullable
    pool->attach(101, 1, Vector{8.0f, 8.0f, 0.0f}, Vector{}, 0.0f);
    pool->update(0.01f, 0.0f, 0.0f, 2.9f);
    EXPECT_FALSE(pool->effect(0).busy());
    EXPECT_FALSE(pool->effect(1).busy());
    EXPECT_TRUE(pool->effect(2).busy());
    EXPECT_NEAR(pool->effect(2).offX, 2.5f, 1e-6f);
    EXPECT_EQ(pool->effect(3).behaviour, 187);
    EXPECT_TRUE(pool->effect(3).busy());
}

TEST(EffectPoolTest, AttachMovesOnlyTheParticlesThatRideWithThatOwner) {
    auto pool = std::make_unique<EffectPool>();
    pool->spawn(22, 161, 4, Vector{1.0f, 1.0f, 0.0f}, up);
    int glow = -1;
    for (int i = 0; i < EffectPool::capacity; ++i)
        if (pool->effect(i).behaviour == 187) glow = i;
    ASSERT_GE(glow, 0);
    EXPECT_EQ(pool->effect(glow).ownerKind, 101);  // the glow belongs to the Prima Ballerina
    EXPECT_EQ(pool->effect(glow).ownerIndex, 1);
    const Vector note = pool->effect(glow + 1).position;

    pool->attach(111, 1, Vector{5.0f, 5.0f, 0.0f}, Vector{1.0f, 0.0f, 0.0f}, 10.0f);  // someone else
    EXPECT_EQ(pool->effect(glow).position, (Vector{1.0f, 1.0f, 0.0f}));

    pool->attach(101, 1, Vector{2.0f, 3.0f, 0.0f}, Vector{0.5f, 0.25f, 0.0f}, 30.0f);
    EXPECT_EQ(pool->effect(glow).position, (Vector{2.0f, 3.0f, 0.0f}));
    EXPECT_EQ(pool->effect(glow).velocity, (Vector{0.5f, 0.25f, 0.0f}));
    EXPECT_EQ(pool->effect(glow).origin, Vector{});
    EXPECT_FLOAT_EQ(pool->effect(glow).ownerAngle, 30.0f);
    pool->attach(101, 1, Vector{2.5f, 3.0f, 0.0f}, Vector{0.0f, 1.0f, 0.0f}, 40.0f);
    EXPECT_EQ(pool->effect(glow).origin, (Vector{0.5f, 0.25f, 0.0f}));  // the previous velocity
    EXPECT_EQ(pool->effect(glow + 1).position, note);                   // the notes stay where she sang

    pool->update(0.1f, 2.5f, 3.0f, 2.9f);
    EXPECT_FLOAT_EQ(pool->effect(glow).rotation, 220.0f);  // her heading turned round
}

TEST(EffectPoolTest, GrowSpinAndFadeFollowTheLifeOfAParticle) {
    auto pool = std::make_unique<EffectPool>();
    pool->spawn(87, 200, 0, somewhere, up);
    pool->update(0.3f, 1.0f, 1.0f, 2.9f);
    const Effect& e = pool->effect(0);
    EXPECT_NEAR(e.width, 0.3f * 0.3f * 20.0f, 1e-5f);  // grow 20
    EXPECT_NEAR(e.rotation, 135.0f, 1e-3f);             // spin 450
    EXPECT_EQ(e.colour[3], 100);
    pool->update(0.27f, 1.0f, 1.0f, 2.9f);              // 0.03 s left of the 0.05 s fade
    EXPECT_NEAR(e.colour[3], 60, 1);
    EXPECT_EQ(EffectPool::frameOf(e), 8);
}

TEST(EffectPoolTest, MovingParticlesFlyFromTheirOriginAndTrailsSettleUnderTheActors) {
    auto pool = std::make_unique<EffectPool>();
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

    pool->reset(181, 196);
    pool->spawn(72, 111, 0, somewhere, up);
    const Effect& puff = pool->effect(0);
    ASSERT_EQ(puff.behaviour, 183);
    EXPECT_FALSE(EffectPool::drawnBehind(puff));
    float lastDistance = 0.0f;
    for (int i = 0; i < 10; ++i) {
        pool->update(0.05f, 1.0f, 1.0f, 2.9f);
        lastDistance = (puff.position - somewhere).length();
    }
    EXPECT_GT(lastDistance, 0.0f);                // it spirals away from where it started
    EXPECT_TRUE(EffectPool::drawnBehind(puff));   // a quarter of its life has passed
    EXPECT_GT(puff.width, 0.0f);

    pool->reset(181, 196);
    pool->spawn(84, 111, 0, somewhere, up);
    EXPECT_TRUE(EffectPool::drawnBehind(pool->effect(0)));  // flowers lie on the floor
    EXPECT_FLOAT_EQ(pool->effect(0).width, pool->effect(0).baseWidth);
}

TEST(EffectPoolTest, TheSongsGlowPopsToFullSizeOnceItOutgrowsOneUnit) {
    auto pool = std::make_unique<EffectPool>();
    pool->spawn(22, 161, 4, somewhere, up);
    pool->update(0.25f, 1.0f, 1.0f, 2.9f);
    EXPECT_NEAR(pool->effect(0).width, 0.5f, 1e-5f);
    pool->update(0.3f, 1.0f, 1.0f, 2.9f);
    EXPECT_FLOAT_EQ(pool->effect(0).width, 5.0f);
    EXPECT_FLOAT_EQ(pool->effect(0).height, 5.0f);
}

TEST(EffectPoolTest, ResetRemembersTheSpriteSetsAndFreesEverything) {
    auto pool = std::make_unique<EffectPool>();
    EXPECT_EQ(pool->firstSet(), 181);
    EXPECT_EQ(pool->lastSet(), 196);
    pool->spawn(21, 111, 0, somewhere, up);
    pool->reset(100, 120);
    EXPECT_EQ(pool->busyCount(), 0);
    EXPECT_EQ(pool->firstSet(), 100);
    EXPECT_EQ(pool->lastSet(), 120);
    EXPECT_EQ(pool->effect(0).fresh, 1);
    EXPECT_EQ(pool->effect(-1).behaviour, 0);
    EXPECT_EQ(pool->effect(500).behaviour, 0);
}

}  // namespace
