#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "actors/Avatar.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float primaSize = 0.175f;
const Vector nearby{0.1f, 0.0f, 0.0f};

Avatar placedPrima(int blue = 0, int green = 0, int red = 0, std::int32_t energy = 90) {
    Avatar prima;
    prima.place(Kind::prima, energy, blue, green, red, Vector{}, primaSize, primaSize, 0.0f, 37);
    return prima;
}

Avatar placedCat(Vector at = Vector{0.5f, 0.0f, 0.0f}) {
    Avatar cat;
    cat.place(Kind::cat, 90, 0, 0, 0, at, 0.025f, 0.025f, 0.0f, 37);
    return cat;
}

void steerCat(Avatar& cat, bool button, float dt = frame, int mouseX = 400, int mouseY = 300, bool nameEntry = false) {
    cat.steer(mouseX, mouseY, button, false, false, false, false, false, nameEntry, dt);
}

void steerPrima(Avatar& prima, float dt = frame) {
    prima.steer(0, 0, false, false, false, false, false, false, false, dt);
}

// The cat's side of its mutual touch with the Prima Ballerina.
void primaTouchesCat(Avatar& cat, const Avatar& prima) {
    cat.touch(prima.kind, prima.position, prima.width, prima.height, prima.damage, prima.momentum);
}

// A talent touching her, after her talent clock has passed its debounce.
void giveTalent(Avatar& prima, std::uint16_t kind) {
    prima.update(0.1f);
    prima.touch(kind, nearby, 0.2f, 0.2f, 1, 0.0f);
    prima.update(frame);
}

int activeEffects(const Avatar& a, int first, int last) {
    int n = 0;
    for (const EffectRequest& r : a.effects.slots) n += r.active && r.effect >= first && r.effect <= last;
    return n;
}

}  // namespace

TEST(AvatarMouse, PixelsMoveTheCatAndANameEntryHoldsItButAFreezeDoesNot) {
    Avatar cat = placedCat(Vector{1.0f, 1.0f, 0.0f});
    steerCat(cat, false, frame, 500, 300);
    steerCat(cat, false, frame, 500, 300);  // settle on the pointer
    cat.update(frame);
    Vector before = cat.position;
    steerCat(cat, false, frame, 700, 100);  // 200 px right and 200 px up
    cat.update(frame);
    EXPECT_NEAR(cat.position.x - before.x, 0.3f, 1e-5f);
    EXPECT_NEAR(cat.position.y - before.y, 0.3f, 1e-5f) << "screen up is stage up";

    before = cat.position;
    steerCat(cat, false, frame, 720, 100, true);
    cat.update(frame * 0.0001f);
    EXPECT_NEAR(cat.position.x, before.x, 1e-6f) << "held during a name entry";
    // Frozen: the step time is a tenth, the mouse still moves the cat fully.
    steerCat(cat, false, frame, 740, 100);
    cat.update(frame / 10.0f);
    EXPECT_NEAR(cat.position.x - before.x, 0.2f, 1e-5f);
}

TEST(AvatarClick, AShortPressIsAClickOnReleaseALongHoldIsNoneButAQuickSecondPressIs) {
    Avatar cat = placedCat();
    int clicks = 0, lastClickFrame = -1, frameIndex = 0;
    auto run = [&](bool button, int frames) {
        for (int i = 0; i < frames; ++i, ++frameIndex) {
            steerCat(cat, button);
            if (cat.clicked) {
                ++clicks;
                lastClickFrame = frameIndex;
            }
        }
    };
    run(false, 60);
    run(true, 12);  // 0.2 s
    const int releaseFrame = frameIndex;
    run(false, 60);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lastClickFrame, releaseFrame);

    run(true, 30);   // 0.5 s: too long for a click
    run(false, 12);  // 0.2 s later ...
    EXPECT_EQ(clicks, 1);
    run(true, 1);  // ... a new press counts at once
    EXPECT_EQ(clicks, 2);
}

TEST(AvatarGrab, HoldingPastHalfASecondGrabsLettingGoReleasesAndTheLeashEndLetsGo) {
    Avatar prima = placedPrima();
    Avatar cat = placedCat(Vector{1.0f, 0.0f, 0.0f});
    auto hold = [&](bool button, int frames) {
        for (int i = 0; i < frames; ++i) {
            steerCat(cat, button);
            primaTouchesCat(cat, prima);
        }
    };
    hold(true, 24);  // 0.4 s
    EXPECT_FLOAT_EQ(cat.width, 0.1f);
    hold(true, 12);  // past 0.5 s
    EXPECT_EQ(cat.width, Actor::grabSize);
    EXPECT_EQ(cat.height, Actor::grabSize);
    EXPECT_EQ(cat.look.costume.part(2).visible, 1);
    hold(false, 1);  // one frame of the release signal, then the plain size
    EXPECT_EQ(cat.width, Actor::releaseSize);
    hold(false, 1);
    EXPECT_FLOAT_EQ(cat.width, 0.1f);

    Avatar far = placedCat(Vector{3.9f, 0.0f, 0.0f});
    for (int i = 0; i < 40; ++i) steerCat(far, true);
    steerCat(far, true, frame, 420, 300);  // and moving the mouse near the leash's end
    primaTouchesCat(far, prima);
    EXPECT_EQ(far.grabbing, 0);
    EXPECT_FLOAT_EQ(far.width, 0.1f);
}

TEST(AvatarLeash, AFarCatIsPulledBackAtTwentyTimesItsOffsetAndLongFramesNeverThrowItPastHer) {
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
    EXPECT_GT(cat.position.x, 4.1f);
    EXPECT_LE(cat.position.x, 4.2f);
    EXPECT_TRUE(cat.pull.isZero());

    // At ten frames a second or fewer a whole frame's pull would carry the
    // cat past her by as much as it was away, or more.
    for (const float longFrame : {0.06f, 0.1f, 0.125f, 0.5f}) {
        SCOPED_TRACE(longFrame);
        Avatar slow = placedCat(Vector{5.0f, 0.0f, 0.0f});
        for (int step = 0; step < 20; ++step) {
            steerCat(slow, false, longFrame);
            primaTouchesCat(slow, prima);
            slow.update(longFrame);
            ASSERT_GE(slow.position.x, -1e-4f) << step;
            ASSERT_LE(slow.position.x, 5.0f) << step;
        }
        primaTouchesCat(slow, prima);
        EXPECT_LE(slow.catDistance, slow.leash);
    }
}

TEST(AvatarCat, MovesWithThePrimaBallerinaAndNoticesDancersAndMusesButNotTalentsOrBlossoms) {
    Avatar prima = placedPrima();
    Avatar cat = placedCat(Vector{1.0f, 0.0f, 0.0f});
    primaTouchesCat(cat, prima);
    prima.position = Vector{0.5f, 0.25f, 0.0f};
    primaTouchesCat(cat, prima);
    EXPECT_NEAR(cat.position.x, 1.5f, 1e-6f);
    EXPECT_NEAR(cat.position.y, 0.25f, 1e-6f);

    cat.touch(Kind::talentBlue, cat.position + nearby, 0.2f, 0.2f, 1, 0.0f);
    EXPECT_EQ(cat.catOnDancer, 0);
    cat.touch(Kind::ballerina, cat.position + Vector{0.2f, 0.0f, 0.0f}, primaSize, primaSize, 1, 0.0f);
    EXPECT_EQ(cat.catOnDancer, 1);
    EXPECT_EQ(cat.energy, 90) << "the cat takes no damage";
    // A muse counts; a blossom flying past the cat does not turn her aside.
    for (const auto& [kind, on] : {std::pair{Kind::muse, 1}, std::pair{Kind::blossom1, 0}}) {
        Avatar sitter = placedCat();
        sitter.touch(kind, sitter.position + Vector{0.05f, 0.0f, 0.0f}, 0.1f, 0.1f, 1, 0.0f);
        EXPECT_EQ(sitter.catOnDancer, on) << int(kind);
    }
}

TEST(AvatarPrima, DancesAfterHerCatAndCirclesADancerItSitsOn) {
    Avatar prima = placedPrima();
    const Vector catAt{2.0f, 0.0f, 0.0f};
    for (int i = 0; i < 120; ++i) {
        steerPrima(prima);
        prima.touch(Kind::cat, catAt, 0.1f, 0.1f, 0, 0.0f);
        prima.update(frame);
    }
    const Vector toCat = (catAt - prima.position).normalised();
    EXPECT_GT(headingVector(prima.catAngle).dot(toCat), 0.9999f);
    EXPECT_GT(headingVector(prima.facing).dot(toCat), 0.999f);
    EXPECT_FLOAT_EQ(prima.throwAngle(), prima.catAngle);
    EXPECT_GT(prima.position.x, 0.2f);
    EXPECT_NEAR(prima.position.y, 0.0f, 0.1f);

    Avatar circling = placedPrima();
    circling.touch(Kind::cat, Vector{1.0f, 0.0f, 0.0f}, 0.1f, 0.1f, 0, 0.0f);
    circling.catOnDancer = 1;  // handed over from the cat
    circling.update(frame);
    EXPECT_NEAR(circling.goalAngle, circling.catAngle - 90.0f, 1e-4f);
    EXPECT_EQ(circling.catOnDancer, 0);
    circling.update(frame);
    EXPECT_NEAR(circling.goalAngle, circling.catAngle, 1e-4f);
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

TEST(AvatarTalents, ASuperTalentRaisesAllThreeAndCountsStayAtThree) {
    Avatar prima = placedPrima(2, 0, 1, 50);
    giveTalent(prima, 135);
    EXPECT_EQ(prima.blue(), 3);
    EXPECT_EQ(prima.green(), 3);
    EXPECT_EQ(prima.red(), 3);
    EXPECT_EQ(prima.energy, 100) << "+100, held to her maximum";
    EXPECT_EQ(prima.volleySize, 4);
    EXPECT_EQ(prima.blossomKind, 144);
    EXPECT_EQ(activeEffects(prima, 24, 26), 3);
}

TEST(AvatarTalents, GreenSetsHerTopSpeedAndBlueLaysAGardenTrail) {
    for (const auto& [green, top] : {std::pair{0, 0.6f}, std::pair{3, 1.5f}}) {
        SCOPED_TRACE(green);
        Avatar prima = placedPrima(0, green);
        for (int i = 0; i < 3000; ++i) {
            steerPrima(prima);
            prima.update(frame);
        }
        EXPECT_FLOAT_EQ(prima.maxSpeed, top);
        EXPECT_NEAR(prima.speed, top, 0.05f);
    }
    Avatar gardener = placedPrima(2);
    gardener.update(0.06f);
    EXPECT_EQ(activeEffects(gardener, 83, 83), 1);
}

TEST(AvatarTalents, FreezeTalentsLengthenTheFreezeUpToFifteenSecondsForLaterDancesTooAndASecondTalentAtOnceIsIgnored) {
    Avatar prima = placedPrima(0, 0, 0, 50);
    prima.update(0.1f);
    prima.touch(Kind::talentFreeze, nearby, 0.2f, 0.2f, 1, 0.0f);
    prima.touch(Kind::talentBlue, nearby, 0.2f, 0.2f, 1, 0.0f);  // within 0.05 s
    prima.update(frame);
    EXPECT_FLOAT_EQ(prima.freezeSeconds, 6.0f);
    EXPECT_EQ(prima.blue(), 0);
    EXPECT_EQ(prima.energy, 50 + 33 + 25);
    EXPECT_EQ(activeEffects(prima, 23, 23), 1);

    for (int i = 0; i < 20; ++i) giveTalent(prima, Kind::talentFreeze);
    EXPECT_FLOAT_EQ(prima.freezeSeconds, 15.0f);
    EXPECT_LE(prima.energy, 200);
    // The next dance places her anew but keeps the longer freeze.
    prima.place(Kind::prima, 90, 0, 0, 0, Vector{}, primaSize, primaSize, 0.0f, 37);
    EXPECT_FLOAT_EQ(prima.freezeSeconds, 15.0f);
}

TEST(AvatarThrowing, TheClockLetsAVolleyThroughOnlyAfterTheInterval) {
    Avatar prima = placedPrima();  // blue 0: 0.75 s
    std::vector<std::pair<int, int>> frames;
    for (int i = 1; i <= 48; ++i) {
        prima.throwNow = 1;  // the cat stands on a dancer
        steerPrima(prima, 0.1f);
        if (prima.throwNow) {
            EXPECT_EQ(i % 8, 0) << i;
            frames.emplace_back(prima.frameFirst, prima.frameLast);
        }
    }
    const std::vector<std::pair<int, int>> expected = {{13, 13}, {25, 25}, {1, 12}, {13, 24}, {25, 36}, {1, 12}};
    EXPECT_EQ(frames, expected);
}

TEST(AvatarThrowing, SheGreetsThePlayerAndHerLaunchPointsFollowBlueWhileTheCatIsItsOwnAimPoint) {
    Avatar prima = placedPrima(1);
    EXPECT_STREQ(prima.saying, "it is an honour to be in your computer");
    EXPECT_GE(std::strlen(prima.name), 3u);
    const float s = 2.0f * primaSize;
    EXPECT_NEAR(prima.throwPoint().x, 0.75f * s, 1e-5f);
    EXPECT_NEAR(prima.throwPoint().y, 0.75f * s, 1e-5f);
    prima.advanceLaunch();
    EXPECT_NEAR(prima.throwPoint().x, -0.75f * s, 1e-5f);
    prima.advanceLaunch();
    EXPECT_EQ(prima.launchIndex, 1);

    Avatar single = placedPrima(0);
    EXPECT_NEAR(single.throwPoint().x, 0.0f, 1e-5f);
    EXPECT_NEAR(single.throwPoint().y, 0.9f * s, 1e-5f);

    Avatar cat = placedCat(Vector{3.0f, 4.0f, 0.0f});
    EXPECT_EQ(cat.throwPoint(), cat.position);
    EXPECT_EQ(cat.damage, 0);
}
