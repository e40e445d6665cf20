#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "actors/Avatar.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float primaSize = 0.175f;

Avatar placedPrima(int blue = 0, int green = 0, int red = 0, std::int32_t energy = 90) {
    Avatar prima;
    prima.place(Kind::prima, energy, blue, green, red, Vector{0.0f, 0.0f, 0.0f}, primaSize, primaSize, 0.0f, 37);
    return prima;
}

Avatar placedCat(Vector at = Vector{0.5f, 0.0f, 0.0f}) {
    Avatar cat;
    cat.place(Kind::cat, 90, 0, 0, 0, at, 0.025f, 0.025f, 0.0f, 37);
    return cat;
}

// One frame of input for the cat at a fixed mouse position.
void steerCat(Avatar& cat, bool button, float dt = frame, int mouseX = 400, int mouseY = 300,
              bool nameEntry = false) {
    cat.steer(mouseX, mouseY, button, false, false, false, false, false, nameEntry, dt);
}

// The Prima Ballerina touches the cat (the cat's side of their mutual touch).
void primaTouchesCat(Avatar& cat, const Avatar& prima) {
    cat.touch(prima.kind, prima.position, prima.width, prima.height, prima.damage, prima.momentum);
}

// Lets the Prima Ballerina's talent clock pass its debounce.
void settle(Avatar& prima) {
    prima.update(0.1f);
}


// The short way from one angle to another, -180..180 degrees.
float shortTurn(float from, float to) {
    float d = std::fmod(to - from, 360.0f);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return d;
}
}  // namespace

TEST(AvatarPlace, CatAndPrimaStartAsDescribed) {
    Avatar prima = placedPrima(1, 2, 3, 70);
    EXPECT_EQ(prima.energy, 70);
    EXPECT_EQ(prima.blue(), 1);
    EXPECT_EQ(prima.green(), 2);
    EXPECT_EQ(prima.red(), 3);
    EXPECT_EQ(prima.damage, 1);
    EXPECT_EQ(prima.launchIndex, 1);
    EXPECT_EQ(prima.blossomKind, 144);
    EXPECT_EQ(prima.volleySize, 2);
    EXPECT_FLOAT_EQ(prima.throwInterval, 0.5f);
    EXPECT_STREQ(prima.saying, "it is an honour to be in your computer");
    EXPECT_GE(std::strlen(prima.name), 3u);

    Avatar cat = placedCat();
    EXPECT_EQ(cat.damage, 0);
    EXPECT_TRUE(cat.isCat());
    EXPECT_FALSE(cat.isPrima());
}

TEST(AvatarMouse, AJumpOfTwoHundredPixelsMovesTheCatByPointThree) {
    Avatar cat = placedCat(Vector{1.0f, 1.0f, 0.0f});
    steerCat(cat, false, frame, 500, 300);
    steerCat(cat, false, frame, 500, 300);  // settle on the pointer
    cat.update(frame);
    const Vector before = cat.position;
    steerCat(cat, false, frame, 700, 100);  // 200 px right and 200 px up
    cat.update(frame);
    EXPECT_NEAR(cat.position.x - before.x, 0.3f, 1e-5f);
    EXPECT_NEAR(cat.position.y - before.y, 0.3f, 1e-5f);  // screen up is stage up
}

TEST(AvatarMouse, NameEntryHoldsTheCatButAFreezeDoesNot) {
    Avatar cat = placedCat(Vector{0.0f, 0.0f, 0.0f});
    steerCat(cat, false, frame, 300, 300);
    cat.update(frame);
    const Vector before = cat.position;
    steerCat(cat, false, frame, 320, 300, true);
    cat.update(frame * 0.0001f);
    EXPECT_NEAR(cat.position.x, before.x, 1e-6f);

    // Frozen: the step time is a tenth, the mouse still moves the cat fully.
    steerCat(cat, false, frame, 340, 300);
    cat.update(frame / 10.0f);
    EXPECT_NEAR(cat.position.x - before.x, 0.2f, 1e-5f);
}

TEST(AvatarClick, AShortPressAndReleaseIsOneClick) {
    Avatar cat = placedCat();
    int clicks = 0;
    int clickFrame = -1;
    int frameIndex = 0;
    auto run = [&](bool button, int frames) {
        for (int i = 0; i < frames; ++i, ++frameIndex) {
            steerCat(cat, button);
            if (cat.clicked) {
                ++clicks;
                clickFrame = frameIndex;
            }
        }
    };
    run(false, 60);
    run(true, 12);  // 0.2 s
    const int releaseFrame = frameIndex;
    run(false, 60);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clickFrame, releaseFrame);
}

TEST(AvatarClick, ALongHoldIsNoClickButAQuickSecondPressIs) {
    Avatar cat = placedCat();
    int clicks = 0;
    auto run = [&](bool button, int frames) {
        for (int i = 0; i < frames; ++i) {
            steerCat(cat, button);
            clicks += cat.clicked;
        }
    };
    run(false, 60);
    run(true, 30);   // 0.5 s: too long for a click
    run(false, 12);  // 0.2 s later ...
    EXPECT_EQ(clicks, 0);
    run(true, 1);    // ... a new press counts as a click at once
    EXPECT_EQ(clicks, 1);
}

TEST(AvatarGrab, HoldingLongerThanHalfASecondTakesTheGrabSize) {
    Avatar prima = placedPrima();
    Avatar cat = placedCat(Vector{1.0f, 0.0f, 0.0f});
    for (int i = 0; i < 24; ++i) {  // 0.4 s
        steerCat(cat, true);
        primaTouchesCat(cat, prima);
    }
    EXPECT_FLOAT_EQ(cat.width, 0.1f);
    for (int i = 0; i < 12; ++i) {  // past 0.5 s
        steerCat(cat, true);
        primaTouchesCat(cat, prima);
    }
    EXPECT_EQ(cat.width, Actor::grabSize);
    EXPECT_EQ(cat.height, Actor::grabSize);
    EXPECT_EQ(cat.look.costume.part(2).visible, 1);

    // Letting go: one frame of the release signal, then the plain size.
    steerCat(cat, false);
    primaTouchesCat(cat, prima);
    EXPECT_EQ(cat.width, Actor::releaseSize);
    steerCat(cat, false);
    primaTouchesCat(cat, prima);
    EXPECT_FLOAT_EQ(cat.width, 0.1f);
}

TEST(AvatarLeash, AFarCatIsPulledBackAtTwentyTimesItsOffset) {
    Avatar prima = placedPrima();
    Avatar cat = placedCat(Vector{5.0f, 0.0f, 0.0f});
    const float dt = 0.001f;
    int steps = 0;
    while (true) {
        steerCat(cat, false, dt, 400 + steps % 7, 300);  // the mouse wiggles: ignored while pulled
        primaTouchesCat(cat, prima);
        const float offset = cat.position.x;
        if (cat.catDistance <= cat.leash) break;
        cat.update(dt);
        EXPECT_NEAR(offset - cat.position.x, 20.0f * offset * dt, 1e-4f) << steps;
        ASSERT_LT(++steps, 1000);
    }
    EXPECT_GT(steps, 5);
    EXPECT_LE(cat.position.x, 4.2f);
    EXPECT_GT(cat.position.x, 4.1f);
    EXPECT_TRUE(cat.pull.isZero());
}

TEST(AvatarLeash, LongFramesNeverThrowTheCatPastHer) {
    // At ten frames a second or fewer the pull of a whole frame would carry
    // the cat past the Prima Ballerina by as much as it was away, or more.
    for (const float dt : {0.06f, 0.1f, 0.125f, 0.5f}) {
        SCOPED_TRACE(dt);
        Avatar prima = placedPrima();
        Avatar cat = placedCat(Vector{5.0f, 0.0f, 0.0f});
        for (int step = 0; step < 20; ++step) {
            steerCat(cat, false, dt);
            primaTouchesCat(cat, prima);
            cat.update(dt);
            ASSERT_GE(cat.position.x, -1e-4f) << step;  // never beyond her
            ASSERT_LE(cat.position.x, 5.0f) << step;
        }
        primaTouchesCat(cat, prima);
        EXPECT_LE(cat.catDistance, cat.leash);
    }
}

TEST(AvatarLeash, NearTheEndOfTheLeashTheCatLetsGo) {
    Avatar prima = placedPrima();
    Avatar cat = placedCat(Vector{3.9f, 0.0f, 0.0f});
    for (int i = 0; i < 40; ++i) steerCat(cat, true);  // holding well past 0.5 s
    steerCat(cat, true, frame, 420, 300);             // and moving the mouse
    primaTouchesCat(cat, prima);
    EXPECT_EQ(cat.grabbing, 0);
    EXPECT_FLOAT_EQ(cat.width, 0.1f);
}

TEST(AvatarCat, MovesWithThePrimaBallerinaAndNoticesDancers) {
    Avatar prima = placedPrima();
    Avatar cat = placedCat(Vector{1.0f, 0.0f, 0.0f});
    primaTouchesCat(cat, prima);
    prima.position = Vector{0.5f, 0.25f, 0.0f};
    primaTouchesCat(cat, prima);
    EXPECT_NEAR(cat.position.x, 1.5f, 1e-6f);
    EXPECT_NEAR(cat.position.y, 0.25f, 1e-6f);

    EXPECT_EQ(cat.catOnDancer, 0);
    cat.touch(Kind::talentBlue, cat.position + Vector{0.1f, 0.0f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    EXPECT_EQ(cat.catOnDancer, 0);
    cat.touch(Kind::ballerina, cat.position + Vector{0.2f, 0.0f, 0.0f}, primaSize, primaSize, 1, 0.0f);
    EXPECT_EQ(cat.catOnDancer, 1);
    EXPECT_EQ(cat.energy, 90);  // the cat takes no damage
}

TEST(AvatarPrima, TurnsTowardHerCatAndDancesAfterIt) {
    Avatar prima = placedPrima();
    const Vector catAt{2.0f, 0.0f, 0.0f};
    for (int i = 0; i < 120; ++i) {
        prima.steer(0, 0, false, false, false, false, false, false, false, frame);
        prima.touch(Kind::cat, catAt, 0.1f, 0.1f, 0, 0.0f);
        prima.update(frame);
    }
    const Vector toCat = (catAt - prima.position).normalised();
    EXPECT_GT(headingVector(prima.catAngle).dot(toCat), 0.9999f);
    EXPECT_GT(headingVector(prima.facing).dot(toCat), 0.999f);
    EXPECT_FLOAT_EQ(prima.throwAngle(), prima.catAngle);
    EXPECT_GT(prima.position.x, 0.2f);
    EXPECT_NEAR(prima.position.y, 0.0f, 0.1f);
}

TEST(AvatarPrima, AGoalComingRoundAndRoundIsFollowedTheShortWay) {
    // Circling a dancer walks her goal round and round in one direction;
    // whole turns later she must still turn the short way, never spin back.
    Avatar prima = placedPrima();
    for (int step = 1; step <= 108; ++step) {  // three whole turns of the goal
        prima.catAngle = std::fmod(10.0f * static_cast<float>(step), 360.0f);
        const float before = prima.facing;
        prima.update(0.1f);
        const float turned = shortTurn(before, prima.facing);
        ASSERT_GT(turned, 0.0f) << step;
        ASSERT_LT(turned, 90.0f) << step;
        ASSERT_GE(prima.facing, 0.0f) << step;
        ASSERT_LT(prima.facing, 360.0f) << step;
    }
}

TEST(AvatarPrima, CirclesADancerTheCatSitsOn) {
    Avatar prima = placedPrima();
    prima.touch(Kind::cat, Vector{1.0f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    prima.catOnDancer = 1;  // handed over from the cat
    prima.update(frame);
    EXPECT_NEAR(prima.goalAngle, prima.catAngle - 90.0f, 1e-4f);
    EXPECT_EQ(prima.catOnDancer, 0);
    prima.update(frame);
    EXPECT_NEAR(prima.goalAngle, prima.catAngle, 1e-4f);
}

TEST(AvatarPrima, BlossomsCostHerHalfTheirDamageAndHappinessEndsHer) {
    Avatar prima = placedPrima(0, 0, 0, 10);
    prima.touch(Kind::blossom1, Vector{0.05f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
    EXPECT_EQ(prima.energy, 8);
    EXPECT_EQ(prima.blocked, 1);
    prima.energy = 2;
    prima.touch(Kind::blossom1, Vector{0.05f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
    EXPECT_EQ(prima.energy, 0);
    prima.update(frame);
    EXPECT_EQ(prima.kind, Kind::none);
    EXPECT_EQ(prima.energy, -1000);
}

TEST(AvatarTalents, ASuperTalentWithBlueTwoLeavesBlueAtThree) {
    Avatar prima = placedPrima(2, 0, 1, 50);
    settle(prima);
    prima.touch(135, Vector{0.1f, 0.0f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    prima.update(frame);
    EXPECT_EQ(prima.blue(), 3);
    EXPECT_EQ(prima.green(), 3);
    EXPECT_EQ(prima.red(), 3);
    EXPECT_EQ(prima.energy, 100);  // +100, held to her maximum
    EXPECT_EQ(prima.blossomKind, 144);
    EXPECT_EQ(prima.volleySize, 4);
    int talentEffects = 0;
    for (const EffectRequest& request : prima.effects.slots)
        if (request.active && request.effect >= 24 && request.effect <= 26) ++talentEffects;
    EXPECT_EQ(talentEffects, 3);
}

TEST(AvatarTalents, GreenSetsHerTopSpeed) {
    Avatar prima = placedPrima(0, 3);
    prima.update(frame);
    EXPECT_FLOAT_EQ(prima.maxSpeed, 1.5f);
    EXPECT_FLOAT_EQ(prima.maxAcceleration, 0.35f);
    EXPECT_FLOAT_EQ(prima.turnTime, 0.2f);
    for (int i = 0; i < 3000; ++i) {
        prima.steer(0, 0, false, false, false, false, false, false, false, frame);
        prima.update(frame);
    }
    EXPECT_NEAR(prima.speed, 1.5f, 0.05f);

    Avatar slow = placedPrima(0, 0);
    slow.update(frame);
    EXPECT_FLOAT_EQ(slow.maxSpeed, 0.6f);
}

TEST(AvatarTalents, FreezeTalentsLengthenTheFreezeUpToFifteenSeconds) {
    Avatar prima = placedPrima(0, 0, 0, 50);
    settle(prima);
    prima.touch(Kind::talentFreeze, Vector{0.1f, 0.0f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    // A second talent within 0.05 s of the first is ignored.
    prima.touch(Kind::talentBlue, Vector{0.1f, 0.0f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
    prima.update(frame);
    EXPECT_FLOAT_EQ(prima.freezeSeconds, 6.0f);
    EXPECT_EQ(prima.blue(), 0);
    EXPECT_EQ(prima.energy, 50 + 33 + 25);
    EXPECT_TRUE(prima.effects.slots[0].active);
    EXPECT_EQ(prima.effects.slots[0].effect, 23);

    for (int i = 0; i < 20; ++i) {
        settle(prima);
        prima.touch(Kind::talentFreeze, Vector{0.1f, 0.0f, 0.0f}, 0.2f, 0.2f, 1, 0.0f);
        prima.update(frame);
    }
    EXPECT_FLOAT_EQ(prima.freezeSeconds, 15.0f);
    EXPECT_LE(prima.energy, 200);
}

TEST(AvatarThrowing, TheClockLetsAVolleyThroughOnlyAfterTheInterval) {
    Avatar prima = placedPrima();  // blue 0: 0.75 s
    std::vector<std::pair<int, int>> pairs;
    int due = 0;
    for (int i = 1; i <= 48; ++i) {
        prima.throwNow = 1;  // the cat stands on a dancer
        prima.steer(0, 0, false, false, false, false, false, false, false, 0.1f);
        if (prima.throwNow) {
            ++due;
            EXPECT_EQ(i % 8, 0) << i;  // every eighth frame of 0.1 s
            pairs.emplace_back(prima.frameFirst, prima.frameLast);
        }
    }
    EXPECT_EQ(due, 6);
    const std::vector<std::pair<int, int>> expected = {{13, 13}, {25, 25}, {1, 12}, {13, 24}, {25, 36}, {1, 12}};
    EXPECT_EQ(pairs, expected);
}

TEST(AvatarThrowing, LaunchPointsFollowBlueAndTheCatIsItsOwnAimPoint) {
    Avatar prima = placedPrima(1);
    const float s = 2.0f * primaSize;
    EXPECT_NEAR(prima.throwPoint().x, 0.75f * s, 1e-5f);
    EXPECT_NEAR(prima.throwPoint().y, 0.75f * s, 1e-5f);
    prima.advanceLaunch();
    EXPECT_EQ(prima.launchIndex, 2);
    EXPECT_NEAR(prima.throwPoint().x, -0.75f * s, 1e-5f);
    prima.advanceLaunch();
    EXPECT_EQ(prima.launchIndex, 1);

    Avatar single = placedPrima(0);
    EXPECT_NEAR(single.throwPoint().x, 0.0f, 1e-5f);
    EXPECT_NEAR(single.throwPoint().y, 0.9f * s, 1e-5f);

    Avatar cat = placedCat(Vector{3.0f, 4.0f, 0.0f});
    EXPECT_EQ(cat.throwPoint(), cat.position);
}

TEST(AvatarEffects, TrailsFollowHerTalents) {
    Avatar prima = placedPrima(2, 0, 0);
    prima.update(0.06f);
    bool garden = false;
    for (const EffectRequest& request : prima.effects.slots)
        if (request.active && request.effect == 83) garden = true;
    EXPECT_TRUE(garden);
}
