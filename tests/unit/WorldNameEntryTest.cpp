#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>

#include "WorldFixture.h"

namespace {

template <typename Dancer>
std::array<int, 3> colours(const Dancer& d) {
    return {d.blue(), d.green(), d.red()};
}

std::string sorted(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

class WorldNameEntryTest : public worldtest::WorldTest {
protected:
    // Prima Ballerina "Odile"; ballerina "Elaine" in slot 5, chosen, no entry yet.
    Obstacle& chosenBallerina() {
        emptyStage(Vector{0, 0});
        std::strcpy(world->prima().name, "Odile");
        Obstacle& o = ballerina(5, Vector{3, 3}, Kind::ballerina, 2, 1, 0, 40);
        names(5, "Elaine");
        world->chosenObstacle = 5;
        world->hasChosen = true;
        world->nameEntry = false;
        return o;
    }

    void hand(const char* name, float seconds = 0.01f) {
        char handed[10] = {};
        std::memcpy(handed, name, std::min<std::size_t>(std::strlen(name), 10));
        world->update(handed, false, seconds);
    }

    // The cat clicks on the ballerina it stands on.
    void clickOn(Vector at) {
        world->cat().position = at;
        world->sinceSelection = 2.0f;
        world->sinceClick = 2.0f;
        world->cat().clicked = 1;
        world->update(worldtest::noName(), false, 0.01f);
    }

    std::string shuffled() const { return std::string(world->shuffledLetters); }
};

}  // namespace

TEST_F(WorldNameEntryTest, OnlyTheWholeNameWithNothingAfterItMatches) {
    chosenBallerina();
    EXPECT_TRUE(world->letterMatches('E', 0));
    EXPECT_TRUE(world->letterMatches('l', 1));
    const std::pair<char, int> misses[] = {{'l', 2}, {'e', 0}, {0, 6}, {'E', -1}, {'E', 10}};
    for (const auto& [letter, at] : misses) EXPECT_FALSE(world->letterMatches(letter, at)) << int(letter) << " " << at;

    world->nameEntry = true;
    for (const char* wrong : {"Elain", "E", "Elainee", "elaine", "Elaina"}) {
        SCOPED_TRACE(wrong);
        hand(wrong);
        EXPECT_TRUE(world->nameEntry);
        EXPECT_FALSE(world->switchSucceeded);
        EXPECT_STREQ(world->prima().name, "Odile");
    }
    // Letters still flying in: all zeros match nothing, not even a nameless dancer.
    names(5, "");
    world->update(worldtest::noName(), false, 0.01f);
    EXPECT_TRUE(world->nameEntry);
    EXPECT_FALSE(world->switchDone);
    for (const bool hit : world->letterHits) EXPECT_TRUE(hit);  // zeros equal zeros, yet no change

    names(5, "Elaine");
    hand("Elai");
    EXPECT_TRUE(world->letterHits[0]);
    EXPECT_TRUE(world->letterHits[3]);
    EXPECT_FALSE(world->letterHits[4]);
    EXPECT_TRUE(world->letterHits[9]);
}

TEST_F(WorldNameEntryTest, TheRightNameMakesTheOneClickedThePrimaBallerinaForOneFrame) {
    Obstacle& o = chosenBallerina();
    // A neighbour in a lower slot close enough for the cat, set down on the
    // chosen one, to stand on her as well: the choice stays.
    ballerina(2, o.position + Vector{0.1f, 0.0f});
    names(2, "Aua");
    world->cat().position = o.position;
    world->prima().points = 4;
    world->score = 10;
    world->scoreAtLastSwitch = 4;
    world->nameEntry = true;
    world->letterCursor = 3;
    world->wrongClicks = 2;
    hand("Ela");
    EXPECT_TRUE(world->hasChosen);
    EXPECT_EQ(world->chosenObstacle, 5);
    EXPECT_TRUE(world->letterMatches('E', 0));
    hand("Elaine");
    EXPECT_TRUE(world->switchSucceeded);
    EXPECT_TRUE(world->switchDone);
    EXPECT_FALSE(world->nameEntry);
    EXPECT_STREQ(world->prima().name, "Elaine");
    EXPECT_STREQ(world->obstacles[5]->name, "Odile");
    EXPECT_EQ(world->obstacles[5]->points, 4 + 6);  // her own and those since the last change
    EXPECT_EQ(world->scoreAtLastSwitch, 10);
    EXPECT_EQ(world->pointsSinceSwitch, 0);
    EXPECT_EQ(world->letterCursor, 0);
    EXPECT_EQ(world->wrongClicks, 0);
    EXPECT_LT(world->sinceClick, 0.01f);
    // After the think that celebrates, the next update clears the one-frame flags.
    world->think(0.01f);
    hand("Elaine");
    EXPECT_FALSE(world->switchSucceeded);
    EXPECT_FALSE(world->switchDone);
}

TEST_F(WorldNameEntryTest, SwitchingExchangesTheTwoDancers) {
    Obstacle& o = chosenBallerina();
    Avatar& p = world->prima();
    std::strcpy(p.saying, "it is an honour to be in your computer");
    std::strcpy(o.saying, "i dream of pixel sheep");
    p.energy = 70;
    p.talents[1] = 1;
    p.talents[2] = 3;
    p.talents[3] = 0;
    p.position = Vector{0, 0};
    p.facing = 10.0f;
    o.angle = 200.0f;
    p.look.colour = Colour{1, 2, 3, 100};
    o.look.colour = Colour{9, 8, 7, 100};
    o.width = o.height = 0.3f;
    world->pointsSinceSwitch = 0;

    world->switchPrima(5);
    EXPECT_STREQ(p.name, "Elaine");
    EXPECT_STREQ(o.name, "Odile");
    EXPECT_STREQ(p.saying, "i dream of pixel sheep");
    EXPECT_STREQ(o.saying, "it is an honour to be in your computer");
    EXPECT_EQ(p.energy, 40);
    EXPECT_EQ(o.sadness, 70);
    EXPECT_EQ(colours(p), (std::array{2, 1, 0}));
    EXPECT_EQ(colours(o), (std::array{1, 3, 0}));
    EXPECT_EQ(p.position, (Vector{3, 3}));
    EXPECT_EQ(o.position, (Vector{0, 0}));
    EXPECT_FLOAT_EQ(p.facing, 200.0f);
    EXPECT_FLOAT_EQ(o.angle, 10.0f);
    EXPECT_FLOAT_EQ(p.width, 0.3f);
    EXPECT_FLOAT_EQ(o.width, worldtest::ballerinaSize);
    EXPECT_EQ(p.look.colour.r, 9);
    EXPECT_EQ(o.look.colour.r, 1);
    EXPECT_EQ(p.speed, 0.0f);
    EXPECT_TRUE(o.velocity.isZero());
    // The old Prima Ballerina counts as happy; her leaving still counts.
    EXPECT_EQ(o.happy, 1);
    EXPECT_EQ(o.counted, 0);
    EXPECT_EQ(o.leaving, 0);
    // The cat: twice her old place minus the chosen one's.
    EXPECT_EQ(world->cat().position, (Vector{-3, -3}));
    EXPECT_EQ(world->floorColourA, 5);
    EXPECT_EQ(world->floorColourB, 5);
    EXPECT_EQ(world->floorShade, 171);
    world->census();
    EXPECT_EQ(world->happyTotal, 1);
}

TEST_F(WorldNameEntryTest, AClickOnTheChosenBallerinaStartsAFreshEntryWithHerLettersShuffled) {
    Obstacle& o = chosenBallerina();
    world->prima().throwNow = 1;
    // Left over from an entry that Escape ended.
    world->wrongClicks = 3;
    world->letterCursor = 4;
    clickOn(o.position);
    EXPECT_TRUE(world->hasChosen);
    EXPECT_EQ(world->chosenObstacle, 5);
    ASSERT_TRUE(world->nameEntry);
    EXPECT_FLOAT_EQ(world->nameEntryElapsed, 0.0f);
    EXPECT_EQ(world->wrongClicks, 0);
    EXPECT_EQ(world->letterCursor, 0);
    EXPECT_EQ(world->letterCount, 6);
    EXPECT_EQ(shuffled()[0], 'E');
    EXPECT_EQ(sorted(shuffled()), sorted("Elaine"));
    EXPECT_EQ(world->prima().throwNow, 0);

    // Every shuffle keeps the first letter first.
    for (const char* name : {"A", "Ulua", "Obimoe", "Xavuwe", "Aemeli", ""}) {
        SCOPED_TRACE(name);
        names(5, name);
        for (int round = 0; round < 20; ++round) {
            world->shuffleLetters();
            EXPECT_EQ(world->letterCount, static_cast<int>(std::strlen(name)));
            EXPECT_EQ(shuffled().substr(0, 1), std::string(name).substr(0, 1));
            EXPECT_EQ(sorted(shuffled()), sorted(name));
        }
    }

    // A 'p' dancer has no name to enter.
    chosenBallerina();
    ballerina(5, Vector{3, 3}, Kind::dancerP);
    clickOn(Vector{3, 3});
    EXPECT_TRUE(world->hasChosen);
    EXPECT_FALSE(world->nameEntry);
}

TEST_F(WorldNameEntryTest, TheEntryTimesOutAfterNineRealSeconds) {
    Obstacle& o = chosenBallerina();
    o.speed = 1.0f;
    o.acceleration = 0.0f;
    world->nameEntry = true;
    world->nameEntryElapsed = 0.0f;
    world->letterCursor = 4;
    world->wrongClicks = 1;
    const Vector start = o.position;
    for (int second = 0; second < 9; ++second) {
        world->update(worldtest::noName(), false, 1.0f);
        ASSERT_TRUE(world->nameEntry) << second;
        // The cat sits on her (the leash tugs it by a hair at the slowed pace).
        EXPECT_LT(worldtest::planar(world->cat().position, o.position), 0.01f);
    }
    EXPECT_FLOAT_EQ(world->nameEntryElapsed, 9.0f);
    // The actors all but stood still meanwhile.
    EXPECT_LT(worldtest::planar(o.position, start), 0.01f);
    world->update(worldtest::noName(), false, 1.0f);
    EXPECT_FALSE(world->nameEntry);
    EXPECT_EQ(world->letterCursor, 0);
    EXPECT_EQ(world->wrongClicks, 0);
}

// Contacts go on costing hearts at full speed while the stage all but stands:
// she may become happy and leave in the middle of the entry, or in the very
// update the cat selects her.
TEST_F(WorldNameEntryTest, ABallerinaWhoLeavesEndsTheEntryAndIsNeitherTargetNorChoice) {
    Obstacle& o = chosenBallerina();
    Avatar& p = world->prima();
    p.energy = 70;
    world->nameEntry = true;
    world->letterCursor = 5;
    world->wrongClicks = 1;
    o.sadness = 0;  // happy: her update frees the slot
    hand("Elaine");
    EXPECT_EQ(o.kind, Kind::none);
    EXPECT_FALSE(world->nameEntry);
    EXPECT_FALSE(world->switchSucceeded);
    EXPECT_FALSE(world->switchDone);
    EXPECT_STREQ(p.name, "Odile");
    EXPECT_EQ(p.energy, 70);
    EXPECT_EQ(p.kind, Kind::prima);
    EXPECT_EQ(world->letterCursor, 0);
    EXPECT_EQ(world->wrongClicks, 0);

    Obstacle& next = chosenBallerina();
    world->chosenObstacle = 0;
    world->hasChosen = false;
    world->cat().position = next.position;  // the cat stands on her: she is selected
    next.sadness = 0;                       // and leaves in the same update
    world->prima().throwNow = 0;
    world->update(worldtest::noName(), false, 0.01f);
    EXPECT_EQ(next.kind, Kind::none);
    EXPECT_EQ(next.selected, 1);
    EXPECT_FALSE(world->hasChosen);
    EXPECT_EQ(world->prima().throwNow, 0);
}
