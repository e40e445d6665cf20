#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "actors/DancerLook.h"
#include "render/ActorLayers.h"

namespace {

ActorLook lookOf(unsigned kind, const Costume& costume) {
    ActorLook look;
    look.kind = kind;
    look.width = 0.2f;
    look.height = 0.25f;
    look.angle = 30.0f;
    look.heading = 75.0f;
    look.colour = Colour{10, 20, 30, 80};
    look.state = 1;
    look.costume = &costume;
    look.blinkWindow = blinkWindowOf(kind);
    return look;
}

std::vector<std::int32_t> framesOf(const LayerStack& stack) {
    std::vector<std::int32_t> frames;
    for (int i = 0; i < stack.count(); ++i) frames.push_back(stack.layer(i).first);
    return frames;
}

// Each part gets a colour of its own: red = 10 x its number.
Costume numberedCostume(std::uint8_t visible) {
    Costume c;
    for (int n = 1; n <= Costume::partCount; ++n) {
        c.part(n) = CostumePart{static_cast<std::uint8_t>(10 * n), 0, 0, 100, visible};
    }
    return c;
}

}  // namespace

TEST(ActorLayers, DancerStackRunsFromTheAttachedPartToTheShoesInPartColours) {
    const Costume costume = numberedCostume(1);
    LayerStack stack;
    planActorLayers(lookOf(111, costume), stack);
    const std::vector<std::int32_t> expected{31, 1, 5, 23, 25, 27, 29, 35, 13, 14, 16, 19};
    EXPECT_EQ(framesOf(stack), expected);
    // Layer colours follow the parts in drawing order: 7, 8, 4, 3, 5, 6, 10, eyes, 1, 2, 9.
    const int parts[] = {7, 8, 4, 3, 5, 6, 10, 0, 1, 2, 9};
    for (int i = 0; i < 11; ++i) {
        const SpriteLayer& layer = stack.layer(i + 1);
        if (parts[i] == 0) {
            EXPECT_EQ(layer.red, 10) << "the eyes are in the dancer's own colour";
        } else {
            EXPECT_EQ(layer.red, 10 * parts[i]) << "layer " << i + 1;
        }
        EXPECT_FLOAT_EQ(layer.scaleX, 0.2f);
        EXPECT_FLOAT_EQ(layer.rotation, 30.0f);
    }
    const SpriteLayer& attached = stack.layer(0);
    EXPECT_TRUE(attached.attached);
    EXPECT_FLOAT_EQ(attached.radius, 0.01f);
    EXPECT_EQ(attached.alpha, 80);
    EXPECT_EQ(attached.red, 255);
    // The Prima Ballerina wears the same stack.
    LayerStack prima;
    planActorLayers(lookOf(101, costume), prima);
    EXPECT_EQ(framesOf(prima), expected);
}

TEST(ActorLayers, SkinValueZeroCountsAsOneAndLargeValuesAsFour) {
    Costume costume = numberedCostume(1);
    LayerStack stack;
    costume.part(7).visible = 0;
    planActorLayers(lookOf(111, costume), stack);
    EXPECT_EQ(stack.layer(1).first, 1);
    costume.part(7).visible = 7;
    planActorLayers(lookOf(111, costume), stack);
    EXPECT_EQ(stack.layer(1).first, 4);
    EXPECT_EQ(skinFrame(3), 3);
}

TEST(ActorLayers, FramesBeyondTheSetAreLeftOut) {
    Costume costume = numberedCostume(1);
    costume.part(4).visible = 200;  // tutu 222: no such frame
    LayerStack stack;
    planActorLayers(lookOf(111, costume), stack);
    EXPECT_EQ(stack.count(), 11);
    for (int i = 0; i < stack.count(); ++i) {
        EXPECT_GE(stack.layer(i).first, 1);
        EXPECT_LE(stack.layer(i).last, LayerStack::highestFrame);
    }
}

TEST(ActorLayers, BlinkingEyesRunOverTheWindowOnChannelTwo) {
    const Costume costume = numberedCostume(1);
    ActorLook look = lookOf(111, costume);
    LayerStack stack;
    planActorLayers(look, stack);
    const SpriteLayer& resting = stack.layer(8);
    EXPECT_EQ(resting.first, 13);
    EXPECT_EQ(resting.last, 13);
    EXPECT_EQ(resting.channel, 2u);
    EXPECT_FLOAT_EQ(resting.duration, 0.5f);
    look.blinking = true;
    planActorLayers(look, stack);
    EXPECT_EQ(stack.layer(8).first, 9);
    EXPECT_EQ(stack.layer(8).last, 13);
    EXPECT_EQ(stack.layer(1).channel, 1u);
    EXPECT_FLOAT_EQ(stack.layer(1).duration, 1.0f);
}

TEST(ActorLayers, GuardianStandsInHerShoesAtTheSpriteScaleAlongHerHeading) {
    const Costume costume = numberedCostume(1);
    ActorLook look = lookOf(112, costume);
    look.spriteScale = 0.4f;
    LayerStack stack;
    planActorLayers(look, stack);
    const std::vector<std::int32_t> expected{19, 31, 1, 5, 23, 25, 27, 29, 35, 13, 14, 16};
    EXPECT_EQ(framesOf(stack), expected);
    EXPECT_FLOAT_EQ(stack.layer(0).scaleX, 0.4f);
    EXPECT_FLOAT_EQ(stack.layer(0).rotation, 75.0f);
    EXPECT_FLOAT_EQ(stack.layer(2).scaleX, 0.2f);
    look.spriteScale = 0.0f;
    planActorLayers(look, stack);
    EXPECT_FLOAT_EQ(stack.layer(0).scaleX, 0.2f) << "without a sprite scale the shoes take her size";
}

TEST(ActorLayers, RacerTalentMuseAndCatStacks) {
    const Costume costume = numberedCostume(1);
    LayerStack stack;
    planActorLayers(lookOf(113, costume), stack);
    EXPECT_EQ(framesOf(stack), (std::vector<std::int32_t>{3, 1, 2, 4, 5, 6, 7, 8}));
    EXPECT_EQ(stack.layer(1).red, 50);  // frame 1 in part 5

    ActorLook talent = lookOf(132, costume);
    planActorLayers(talent, stack);
    EXPECT_EQ(framesOf(stack), (std::vector<std::int32_t>{1, 2, 4, 3}));
    EXPECT_FLOAT_EQ(stack.layer(2).radius, 0.025f);
    EXPECT_EQ(stack.layer(2).alpha, 100);
    talent.blinking = true;
    planActorLayers(talent, stack);
    EXPECT_EQ(stack.layer(3).first, 6);
    EXPECT_EQ(stack.layer(3).last, 8);
    EXPECT_FLOAT_EQ(stack.layer(3).duration, 0.25f);
    talent.state = 2;
    planActorLayers(talent, stack);
    EXPECT_EQ(stack.layer(3).first, 7);
    EXPECT_EQ(stack.layer(3).last, 7);

    Costume museCostume = numberedCostume(1);
    museCostume.part(7).visible = 133;
    planActorLayers(lookOf(161, museCostume), stack);
    EXPECT_EQ(framesOf(stack), (std::vector<std::int32_t>{7, 3, 9}));
    EXPECT_EQ(stack.layer(1).red, 255);

    Costume cat = numberedCostume(0);
    ActorLook catLook = lookOf(106, cat);
    planActorLayers(catLook, stack);
    EXPECT_EQ(framesOf(stack), (std::vector<std::int32_t>{8, 4, 1, 2, 5, 6, 7, 3, 9, 17}));
    EXPECT_FLOAT_EQ(stack.layer(0).scaleX, 0.15f);
    EXPECT_EQ(stack.layer(2).red, 180);
    EXPECT_EQ(stack.layer(2).alpha, 80);
    EXPECT_EQ(stack.layer(4).red, 118);
    EXPECT_FLOAT_EQ(stack.layer(1).radius, 0.0f);
    cat.part(2).visible = 1;
    planActorLayers(lookOf(106, cat), stack);
    EXPECT_EQ(stack.layer(3).first, 18);
}

TEST(ActorLayers, GrowingMuseTurnsHerNoteRingAndHalvesHerOrb) {
    const Costume costume = numberedCostume(1);
    ActorLook look = lookOf(162, costume);
    look.spinAngle = 123.0f;
    LayerStack stack;
    planActorLayers(look, stack);
    EXPECT_EQ(framesOf(stack), (std::vector<std::int32_t>{5, 7, 1, 2, 3, 6, 4, 9}));
    EXPECT_FLOAT_EQ(stack.layer(0).rotation, 123.0f);
    EXPECT_EQ(stack.layer(0).red, 100);  // part 10
    EXPECT_FLOAT_EQ(stack.layer(1).scaleX, 0.1f);
    EXPECT_FLOAT_EQ(stack.layer(2).rotation, 30.0f);
}

TEST(ActorLayers, KindsWithoutAStackDrawNothing) {
    const Costume costume = numberedCostume(1);
    LayerStack stack;
    for (unsigned kind : {0u, 125u, 170u, 200u}) {
        planActorLayers(lookOf(kind, costume), stack);
        EXPECT_EQ(stack.count(), 0) << kind;
    }
}

TEST(ActorLayers, BlossomsOpenInTheirFirstColourOverTheirSecond) {
    Costume costume;
    costume.part(1) = CostumePart{1, 2, 3, 100, 1};
    LayerStack stack;
    planActorLayers(lookOf(143, costume), stack);
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.layer(0).first, 1);
    EXPECT_EQ(stack.layer(0).last, 6);
    EXPECT_EQ(stack.layer(0).red, 10);
    EXPECT_EQ(stack.layer(1).first, 7);
    EXPECT_EQ(stack.layer(1).last, 12);
    EXPECT_EQ(stack.layer(1).red, 1);
    EXPECT_NE(stack.layer(0).channel, stack.layer(1).channel);
}

TEST(BlinkClock, WindowsAndIntervals) {
    EXPECT_FLOAT_EQ(blinkWindowOf(111), 0.5f);
    EXPECT_FLOAT_EQ(blinkWindowOf(101), 0.5f);
    EXPECT_FLOAT_EQ(blinkWindowOf(161), 0.5f);
    EXPECT_FLOAT_EQ(blinkWindowOf(106), 0.25f);
    EXPECT_FLOAT_EQ(blinkWindowOf(134), 0.25f);

    BlinkClock fresh;
    EXPECT_TRUE(fresh.advance(0.016f, 0.5f)) << "the first blink begins on the first drawing";

    std::srand(7);
    BlinkClock clock;
    clock.interval = 3.0f;
    clock.elapsed = 2.9f;
    EXPECT_FALSE(clock.advance(0.05f, 0.5f));
    EXPECT_TRUE(clock.advance(0.1f, 0.5f));   // 3.05
    EXPECT_TRUE(clock.advance(0.44f, 0.5f));  // 3.49
    EXPECT_FLOAT_EQ(clock.interval, 3.0f);
    EXPECT_FALSE(clock.advance(0.02f, 0.5f));  // 3.51: past the window
    EXPECT_FLOAT_EQ(clock.elapsed, 0.0f);
    for (int i = 0; i < 50; ++i) {
        const float interval = clock.interval;
        EXPECT_TRUE(interval == 2.0f || interval == 3.0f || interval == 4.0f) << interval;
        clock.elapsed = interval + 0.6f;
        clock.advance(0.0f, 0.5f);
    }
}
