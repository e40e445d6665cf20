#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "actors/EffectPool.h"

namespace {

// Through spawns, updates that free particles, and resets, attach reaches
// exactly the busy particles of its owner and leaves every other slot as
// it was.
TEST(EffectPoolOwners, AttachFindsEveryParticleOfItsOwnerAndNoOther) {
    auto pool = std::make_unique<EffectPool>();
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
            const float angle = static_cast<float>(step);
            pool->attach(kind, slot, Vector{3.0f, 4.0f}, Vector{0.5f, 0.0f}, angle);
            for (int i = 0; i < EffectPool::capacity; ++i) {
                const Effect& e = pool->effect(i);
                if (before[i].busy() && before[i].ownerKind == kind && before[i].ownerIndex == slot) {
                    ASSERT_EQ(e.ownerAngle, angle) << "step " << step << ", slot " << i;
                    if (e.behaviour == 187) {
                        ASSERT_EQ(e.position.x, 3.0f);
                    }
                } else {
                    ASSERT_EQ(e.ownerAngle, before[i].ownerAngle) << "step " << step << ", slot " << i;
                    ASSERT_EQ(std::memcmp(&e.position, &before[i].position, sizeof e.position), 0);
                }
            }
        }
    }
}

}  // namespace
