#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "actors/Avatar.h"

namespace {

constexpr float frame = 1.0f / 60.0f;
constexpr float primaSize = 0.175f;

Avatar placed(std::uint8_t kind, Vector at = Vector{}, int blue = 0, int green = 0, std::int32_t energy = 90) {
    Avatar a;
    const float size = kind == Kind::cat ? 0.025f : primaSize;
    a.place(kind, energy, blue, green, 0, at, size, size, 0.0f, 37);
    return a;
}

void steer(Avatar& a, bool button = false, float dt = frame, int mouseX = 400, bool nameEntry = false) {
    a.steer(mouseX, 300, button, false, false, false, false, false, nameEntry, dt);
}

void touchedBy(Avatar& a, std::uint16_t kind, Vector at, float size = 0.2f) { a.touch(kind, at, size, size, 1, 0.0f); }

int activeEffects(const Avatar& a, int first, int last) {
    int n = 0;
    for (const EffectRequest& r : a.effects.slots) n += r.active && r.effect >= first && r.effect <= last;
    return n;
}

TEST(AvatarCat, PixelsMoveItAShortPressClicksAndAHoldGrabsButANameEntryHoldsIt) {
    Avatar cat = placed(Kind::cat, Vector{1.0f, 1.0f, 0.0f});
    steer(cat, false, frame, 500);
    steer(cat, false, frame, 500);  // settled on the pointer
    const float x = cat.position.x;
    steer(cat, false, frame, 700);
    cat.update(frame / 10.0f);  // frozen: a tenth of the step, the mouse still moves it fully
    EXPECT_NEAR(cat.position.x - x, 0.3f, 1e-5f) << "200 pixels";
    steer(cat, false, frame, 720, true);
    cat.update(frame);
    EXPECT_NEAR(cat.position.x - x, 0.3f, 1e-5f) << "held during a name entry";

    std::vector<int> clicks;  // on a release, or at once on a second quick press; a hold is none
    std::vector<float> sizes;  // the carry signal: a hold past half a second grabs, the next frame lets go
    const std::pair<bool, int> presses[] = {{false, 60}, {true, 12}, {false, 60}, {true, 36}, {false, 1}, {false, 11},
                                            {true, 1}};
    for (int frameIndex = 0; const auto& [button, frames] : presses) {
        for (int i = 0; i < frames; ++i, ++frameIndex) {
            steer(cat, button);
            touchedBy(cat, Kind::prima, Vector{}, primaSize);
            if (cat.clicked) clicks.push_back(frameIndex);
        }
        sizes.push_back(cat.width);
    }
    EXPECT_EQ(clicks, (std::vector<int>{72, 180}));
    EXPECT_EQ(sizes, (std::vector<float>{0.1f, 0.1f, 0.1f, Actor::grabSize, Actor::releaseSize, 0.1f, 0.1f}));
}

TEST(AvatarCat, TheLeashPullsAFarCatBackAtTwentyTimesItsOffsetAndItsEndLetsGo) {
    const Avatar prima = placed(Kind::prima);
    for (const float dt : {0.001f, 0.06f, 0.125f, 0.5f}) {  // long frames never throw it past her
        Avatar cat = placed(Kind::cat, Vector{5.0f, 0.0f, 0.0f});
        for (int step = 0; step < 20; ++step) {
            steer(cat, false, dt, dt < 0.01f ? 400 + step % 7 : 400);  // the mouse wiggles: ignored while pulled
            touchedBy(cat, prima.kind, prima.position, primaSize);
            const float offset = cat.position.x;
            if (dt < 0.01f && cat.catDistance <= cat.leash) break;
            cat.update(dt);
            if (dt < 0.01f) {
                EXPECT_NEAR(offset - cat.position.x, 20.0f * offset * dt, 1e-4f);
            }
            ASSERT_GE(cat.position.x, -1e-4f) << dt;
        }
        touchedBy(cat, prima.kind, prima.position, primaSize);
        EXPECT_LE(cat.catDistance, cat.leash) << dt;
    }
    Avatar far = placed(Kind::cat, Vector{3.9f, 0.0f, 0.0f});
    for (int i = 0; i < 40; ++i, touchedBy(far, Kind::prima, Vector{}, primaSize)) steer(far, true, frame, 400 + i);
    EXPECT_EQ(far.grabbing, 0) << "moving the mouse near the leash's end lets go";
}

TEST(AvatarCat, MovesWithThePrimaBallerinaAndSitsOnDancersBlossomsAndMusesWithinHalfAUnit) {
    Avatar cat = placed(Kind::cat, Vector{1.0f, 0.0f, 0.0f});
    touchedBy(cat, Kind::prima, Vector{}, primaSize);
    touchedBy(cat, Kind::prima, Vector{0.5f, 0.25f, 0.0f}, primaSize);
    EXPECT_LT((cat.position - Vector{1.5f, 0.25f, 0.0f}).length(), 1e-6f) << "it moves along with her";
    const std::tuple<std::uint16_t, float, int> cases[] = {
        {Kind::ballerina, 0.2f, 1}, {129, 0.2f, 1}, {Kind::dancerQ, 0.6f, 0}, {130, 0.2f, 0}, {Kind::talentBlue, 0.1f, 0},
        {140, 0.1f, 0},             {Kind::blossom1, 0.05f, 1}, {150, 0.3f, 1}, {Kind::muse, 0.05f, 1},
    };
    for (const auto& [kind, distance, on] : cases) {
        Avatar sitter = placed(Kind::cat);
        touchedBy(sitter, kind, Vector{distance, 0.0f, 0.0f}, 0.1f);
        EXPECT_EQ(sitter.catOnDancer, on) << kind;
        EXPECT_EQ(sitter.energy, 90) << "the cat takes no damage";
    }
}

TEST(AvatarPrima, DancesAfterHerCatCirclesADancerItSitsOnAndHappinessEndsHer) {
    Avatar prima = placed(Kind::prima);
    const Vector catAt{2.0f, 0.0f, 0.0f};
    for (int i = 0; i < 120; ++i) {
        steer(prima);
        touchedBy(prima, Kind::cat, catAt, 0.1f);
        prima.update(frame);
    }
    EXPECT_GT(headingVector(prima.facing).dot((catAt - prima.position).normalised()), 0.999f);
    EXPECT_GT(prima.position.x, 0.2f);

    touchedBy(prima, Kind::cat, prima.position + Vector{1.0f, 0.0f, 0.0f}, 0.1f);  // within circleDistance
    prima.catOnDancer = 1;  // handed over from the cat
    prima.update(frame);
    EXPECT_NEAR(prima.goalAngle, prima.catAngle - 90.0f, 1e-4f);
    prima.update(frame);
    EXPECT_NEAR(prima.goalAngle, prima.catAngle, 1e-4f) << "once per hand-over";

    Avatar hit = placed(Kind::prima, Vector{}, 0, 0, 10);
    hit.touch(Kind::blossom1, Vector{0.05f, 0.0f, 0.0f}, 0.03f, 0.03f, 5, 1.0f);
    EXPECT_EQ(std::pair(hit.energy, int(hit.blocked)), std::pair(8, 1)) << "half a blossom's damage";
    hit.energy = 0;
    hit.update(frame);
    EXPECT_EQ(std::pair(int(hit.kind), hit.energy), std::pair(0, -1000));
}

TEST(AvatarTalents, TalentsRaiseHerCountsSpeedFreezeAndVolleyOnceEach) {
    Avatar prima = placed(Kind::prima, Vector{}, 2, 0, 50);
    prima.update(0.1f);
    touchedBy(prima, Kind::talentFreeze, Vector{0.1f, 0.0f, 0.0f});
    touchedBy(prima, Kind::talentBlue, Vector{0.1f, 0.0f, 0.0f});  // within 0.05 s: ignored
    prima.update(frame);
    EXPECT_EQ(std::tuple(prima.freezeSeconds, prima.blue(), prima.energy), std::tuple(6.0f, 2, 50 + 33 + 25));
    EXPECT_EQ(activeEffects(prima, 23, 23), 1);
    for (int i = 0; i < 20; ++i, prima.update(frame)) {
        prima.update(0.1f);
        touchedBy(prima, i == 0 ? 135 : Kind::talentFreeze, Vector{0.1f, 0.0f, 0.0f});  // a super talent first
    }
    EXPECT_EQ(std::tuple(prima.blue(), prima.green(), prima.red(), prima.volleySize, prima.blossomKind),
              std::tuple(3, 3, 3, 4, 144));
    EXPECT_EQ(std::pair(prima.freezeSeconds, prima.energy <= 200), std::pair(15.0f, true));
    prima.place(Kind::prima, 90, 0, 0, 0, Vector{}, primaSize, primaSize, 0.0f, 37);
    EXPECT_FLOAT_EQ(prima.freezeSeconds, 15.0f) << "the next dance keeps the longer freeze";
    Avatar runner = placed(Kind::prima, Vector{}, 0, 3);
    for (int i = 0; i < 3000; ++i, runner.update(frame)) steer(runner);
    EXPECT_NEAR(runner.speed, 1.5f, 0.05f) << "green three: her top speed";
}

TEST(AvatarThrowing, TheClockLetsAVolleyThroughAfterTheIntervalFromHerLaunchPoints) {
    Avatar prima = placed(Kind::prima);  // blue 0: 0.75 s
    std::vector<std::pair<int, int>> frames;
    for (int i = 1; i <= 48; ++i) {
        prima.throwNow = 1;  // the cat stands on a dancer
        steer(prima, false, 0.1f);
        if (prima.throwNow) frames.emplace_back(i, prima.frameFirst);
    }
    EXPECT_EQ(frames, (std::vector<std::pair<int, int>>{{8, 13}, {16, 25}, {24, 1}, {32, 13}, {40, 25}, {48, 1}}));
    EXPECT_STREQ(prima.saying, "it is an honour to be in your computer");

    Avatar paired = placed(Kind::prima, Vector{}, 1);  // blue 1: two points beside her aim
    paired.advanceLaunch();
    EXPECT_LT((paired.throwPoint() - Vector{-0.75f, 0.75f, 0.0f} * (2.0f * primaSize)).length(), 1e-5f);
    EXPECT_EQ(placed(Kind::cat, Vector{3.0f, 4.0f, 0.0f}).throwPoint(), Vector(3.0f, 4.0f, 0.0f)) << "its own aim point";
}

}  // namespace
