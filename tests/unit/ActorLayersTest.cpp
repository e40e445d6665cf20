#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "actors/DancerLook.h"
#include "render/ActorLayers.h"

namespace {

using Frames = std::vector<std::int32_t>;

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

Frames framesOf(const LayerStack& stack) {
    Frames frames;
    for (int i = 0; i < stack.count(); ++i) frames.push_back(stack.layer(i).first);
    return frames;
}

// Each part gets a colour of its own: red = 10 x its number.
Costume numberedCostume(std::uint8_t visible) {
    Costume c;
    for (int n = 1; n <= Costume::partCount; ++n) c.part(n) = CostumePart{static_cast<std::uint8_t>(10 * n), 0, 0, 100, visible};
    return c;
}

const Frames dancerFrames{31, 1, 5, 23, 25, 27, 29, 35, 13, 14, 16, 19};

}  // namespace

TEST(ActorLayers, EachKindStacksItsFramesBottomFirstAndKindsWithoutAStackDrawNothing) {
    const Costume costume = numberedCostume(1);
    Costume museCostume = numberedCostume(1);
    museCostume.part(7).visible = 133;
    const Costume cat = numberedCostume(0);
    const struct {
        unsigned kind;
        const Costume* costume;
        Frames frames;
    } cases[] = {
        {111, &costume, dancerFrames},
        {101, &costume, dancerFrames},  // the Prima Ballerina wears the same stack
        {112, &costume, {19, 31, 1, 5, 23, 25, 27, 29, 35, 13, 14, 16}},  // the guardian stands in her shoes
        {113, &costume, {3, 1, 2, 4, 5, 6, 7, 8}},
        {132, &costume, {1, 2, 4, 3}},
        {161, &museCostume, {7, 3, 9}},
        {162, &costume, {5, 7, 1, 2, 3, 6, 4, 9}},
        {106, &cat, {8, 4, 1, 2, 5, 6, 7, 3, 9, 17}},
        {0, &costume, {}}, {125, &costume, {}}, {170, &costume, {}}, {200, &costume, {}},
    };
    LayerStack stack;
    for (const auto& c : cases) {
        planActorLayers(lookOf(c.kind, *c.costume), stack);
        EXPECT_EQ(framesOf(stack), c.frames) << "kind " << c.kind;
    }
}

TEST(ActorLayers, DancerLayersTakeTheirPartsColoursAndTheAttachedPartSitsOutInWhite) {
    const Costume costume = numberedCostume(1);
    LayerStack stack;
    planActorLayers(lookOf(111, costume), stack);
    // Drawing order of the parts: 7, 8, 4, 3, 5, 6, 10, the eyes, 1, 2, 9.
    const int parts[] = {7, 8, 4, 3, 5, 6, 10, 0, 1, 2, 9};
    for (int i = 0; i < 11; ++i) {
        const SpriteLayer& layer = stack.layer(i + 1);
        EXPECT_EQ(layer.red, parts[i] == 0 ? 10 : 10 * parts[i]) << "layer " << i + 1 << " (the eyes: her own colour)";
        EXPECT_FLOAT_EQ(layer.scaleX, 0.2f);
        EXPECT_FLOAT_EQ(layer.rotation, 30.0f);
    }
    const SpriteLayer& attached = stack.layer(0);
    EXPECT_TRUE(attached.attached);
    EXPECT_FLOAT_EQ(attached.radius, 0.01f);
    EXPECT_EQ(attached.alpha, 80);
    EXPECT_EQ(attached.red, 255);
}

TEST(ActorLayers, SkinCountsZeroAsOneAndLargeValuesAsFourAndFramesBeyondTheSetAreLeftOut) {
    Costume costume = numberedCostume(1);
    LayerStack stack;
    for (const auto& [visible, frame] : {std::pair{0, 1}, std::pair{3, 3}, std::pair{7, 4}}) {
        costume.part(7).visible = static_cast<std::uint8_t>(visible);
        planActorLayers(lookOf(111, costume), stack);
        EXPECT_EQ(stack.layer(1).first, frame) << visible;
    }
    costume.part(4).visible = 200;  // tutu 222: no such frame
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
    const SpriteLayer& eyes = stack.layer(8);
    EXPECT_EQ(std::pair(eyes.first, eyes.last), std::pair(13, 13));
    EXPECT_EQ(eyes.channel, 2u);
    EXPECT_FLOAT_EQ(eyes.duration, 0.5f);
    look.blinking = true;
    planActorLayers(look, stack);
    EXPECT_EQ(std::pair(eyes.first, eyes.last), std::pair(9, 13));
    EXPECT_EQ(stack.layer(1).channel, 1u);
    EXPECT_FLOAT_EQ(stack.layer(1).duration, 1.0f);

    ActorLook talent = lookOf(132, costume);
    talent.blinking = true;
    planActorLayers(talent, stack);
    EXPECT_EQ(std::pair(stack.layer(3).first, stack.layer(3).last), std::pair(6, 8));
    EXPECT_FLOAT_EQ(stack.layer(3).duration, 0.25f);
    talent.state = 2;  // attracted: one still frame
    planActorLayers(talent, stack);
    EXPECT_EQ(std::pair(stack.layer(3).first, stack.layer(3).last), std::pair(7, 7));
}

TEST(ActorLayers, SizesTurnsAndColoursOfTheOtherKinds) {
    const Costume costume = numberedCostume(1);
    LayerStack stack;
    ActorLook guardian = lookOf(112, costume);
    for (float scale : {0.0f, 2.5f}) {
        guardian.spriteScale = scale;
        planActorLayers(guardian, stack);
        EXPECT_EQ(stack.layer(0).first, 19);
        EXPECT_FLOAT_EQ(stack.layer(0).scaleX, scale) << "her first layer at the sprite scale";
        EXPECT_FLOAT_EQ(stack.layer(0).scaleY, scale);
        EXPECT_FLOAT_EQ(stack.layer(0).rotation, 75.0f) << "along her heading";
        EXPECT_FLOAT_EQ(stack.layer(2).scaleX, 0.2f);
    }

    planActorLayers(lookOf(113, costume), stack);
    EXPECT_EQ(stack.layer(1).red, 50);  // frame 1 in part 5
    planActorLayers(lookOf(132, costume), stack);
    EXPECT_FLOAT_EQ(stack.layer(2).radius, 0.025f);
    EXPECT_EQ(stack.layer(2).alpha, 100);

    ActorLook growing = lookOf(162, costume);
    growing.spinAngle = 123.0f;
    planActorLayers(growing, stack);
    EXPECT_FLOAT_EQ(stack.layer(0).rotation, 123.0f) << "her note ring turns";
    EXPECT_EQ(stack.layer(0).red, 100);  // part 10
    EXPECT_FLOAT_EQ(stack.layer(1).scaleX, 0.5f) << "her orb at a size of its own";
    EXPECT_FLOAT_EQ(stack.layer(1).scaleY, 0.5f);
    EXPECT_FLOAT_EQ(stack.layer(2).rotation, 30.0f);

    Costume museCostume = numberedCostume(1);
    museCostume.part(7).visible = 133;
    planActorLayers(lookOf(161, museCostume), stack);
    EXPECT_EQ(stack.layer(1).red, 255);

    Costume cat = numberedCostume(0);
    planActorLayers(lookOf(106, cat), stack);
    EXPECT_FLOAT_EQ(stack.layer(0).scaleX, 0.15f);
    EXPECT_FLOAT_EQ(stack.layer(1).radius, 0.0f);
    EXPECT_EQ(stack.layer(2).red, 180);
    EXPECT_EQ(stack.layer(2).alpha, 80);
    EXPECT_EQ(stack.layer(4).red, 118);
    cat.part(2).visible = 1;  // grabbing
    planActorLayers(lookOf(106, cat), stack);
    EXPECT_EQ(stack.layer(3).first, 18);
}

TEST(ActorLayers, BlossomsOpenInTheirFirstColourOverTheirSecond) {
    Costume costume;
    costume.part(1) = CostumePart{1, 2, 3, 100, 1};
    LayerStack stack;
    planActorLayers(lookOf(143, costume), stack);
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(std::pair(stack.layer(0).first, stack.layer(0).last), std::pair(1, 6));
    EXPECT_EQ(stack.layer(0).red, 10);
    EXPECT_EQ(std::pair(stack.layer(1).first, stack.layer(1).last), std::pair(7, 12));
    EXPECT_EQ(stack.layer(1).red, 1);
    EXPECT_NE(stack.layer(0).channel, stack.layer(1).channel);
}

TEST(BlinkClock, AFirstBlinkAtOnceThenEveryTwoToFourSecondsForTheWindow) {
    EXPECT_FLOAT_EQ(blinkWindowOf(111), 0.5f);
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
    EXPECT_TRUE(clock.advance(0.1f, 0.5f));    // 3.05
    EXPECT_TRUE(clock.advance(0.44f, 0.5f));   // 3.49
    EXPECT_FALSE(clock.advance(0.02f, 0.5f));  // 3.51: past the window
    EXPECT_FLOAT_EQ(clock.elapsed, 0.0f);
    std::set<float> intervals;
    for (int i = 0; i < 50; ++i) {
        intervals.insert(clock.interval);
        clock.elapsed = clock.interval + 0.6f;
        clock.advance(0.0f, 0.5f);
    }
    EXPECT_EQ(intervals, (std::set<float>{2.0f, 3.0f, 4.0f}));
}
