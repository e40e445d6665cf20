// The World's side of a name entry: matching, the change of Prima Ballerina,
// the entry's start, time-out and end when the ballerina leaves.
#include <algorithm>
#include <string>

#include "WorldFixture.h"

namespace {

class WorldNameEntryTest : public worldtest::WorldTest {
protected:
    // Prima Ballerina "Odile"; ballerina "Elaine" in slot 5, chosen, an entry under way.
    Obstacle& chosenBallerina() {
        emptyStage(Vector{0, 0});
        std::strcpy(world->prima().name, "Odile");
        Obstacle& o = ballerina(5, Vector{3, 3}, Kind::ballerina, 2, 1, 0, 40);
        names(5, "Elaine");
        world->chosenObstacle = 5;
        world->hasChosen = world->nameEntry = true;
        world->letterCursor = 3, world->wrongClicks = 2;
        return o;
    }
    void hand(const char* name) {
        char handed[10] = {};
        std::memcpy(handed, name, std::min<std::size_t>(std::strlen(name), 10));
        world->update(handed, false, 0.01f);
    }
};

}  // namespace

TEST_F(WorldNameEntryTest, OnlyTheWholeNameWithNothingAfterItMatches) {
    chosenBallerina();
    EXPECT_TRUE(world->letterMatches('l', 1) && !world->letterMatches('e', 0));
    EXPECT_FALSE(world->letterMatches('E', -1) || world->letterMatches('E', 10) || world->letterMatches('\0', 6));
    for (const char* wrong : {"Elain", "Elainee", "elaine"}) {
        hand(wrong);
        EXPECT_TRUE(world->nameEntry && !world->switchSucceeded) << wrong;
        EXPECT_TRUE(world->letterHits[3] && world->letterHits[9]);
    }
    names(5, "");  // letters still flying in: all zeros match nothing, not even a nameless dancer
    hand("");
    EXPECT_TRUE(world->nameEntry && !world->switchDone);
}

TEST_F(WorldNameEntryTest, TheRightNameExchangesTheTwoDancersForOneFrameOfCelebration) {
    Obstacle& o = chosenBallerina();
    ballerina(2, o.position + Vector{0.1f, 0.0f});  // the cat stands on her too: the choice stays
    Avatar& p = world->prima();
    p.energy = 70, p.talents[1] = 1, p.talents[2] = 3, p.talents[3] = 0;
    world->cat().position = o.position;
    p.points = 4, world->score = 10, world->scoreAtLastSwitch = 4;
    hand("Elaine");
    EXPECT_TRUE(world->switchSucceeded && world->switchDone && !world->nameEntry);
    EXPECT_EQ(world->letterCursor + world->wrongClicks, 0);
    EXPECT_EQ(std::string(p.name) + "/" + o.name, "Elaine/Odile");
    EXPECT_EQ(o.points, 4 + 6);  // her own and those since the last change
    EXPECT_NEAR(p.energy, 40, 2);  // hearts (less a bump from the neighbour), talents and place change hands
    EXPECT_EQ(o.sadness, 70);
    EXPECT_EQ(p.blue() * 100 + p.green() * 10 + p.red(), 210);
    EXPECT_EQ(o.blue() * 100 + o.green() * 10 + o.red(), 130);
    EXPECT_NEAR(p.position.x, 3.0f, 0.01f);
    EXPECT_EQ(o.happy, 1);  // the old Prima Ballerina counts as happy; her leaving still counts
    EXPECT_EQ(o.counted + o.leaving, 0);
    world->think(0.01f);  // after the think that celebrates, the next update clears the one-frame flags
    hand("Elaine");
    EXPECT_FALSE(world->switchSucceeded || world->switchDone);
}

TEST_F(WorldNameEntryTest, AClickOnTheChosenBallerinaStartsAFreshEntryWithHerLettersShuffled) {
    auto clickOn = [&](Vector at) {
        world->nameEntry = false, world->cat().position = at, world->cat().clicked = 1;
        world->sinceSelection = world->sinceClick = 2.0f;
        hand("");
    };
    Obstacle& o = chosenBallerina();
    world->prima().throwNow = 1;
    clickOn(o.position);  // the counts left over from an entry that Escape ended
    ASSERT_TRUE(world->nameEntry);
    EXPECT_EQ(world->wrongClicks + world->letterCursor, 0);  // counted per entry
    EXPECT_EQ(world->prima().throwNow, 0);
    for (const char* name : {"Elaine", "Obimoe", ""}) {  // every shuffle keeps the first letter first
        names(5, name);
        for (int round = 0; round < 10; ++round) {
            world->shuffleLetters();
            const std::string got(world->shuffledLetters);
            EXPECT_EQ(got.substr(0, 1), std::string(name).substr(0, 1));
            EXPECT_TRUE(std::is_permutation(got.begin(), got.end(), name, name + std::strlen(name))) << got;
        }
    }
    chosenBallerina();  // a 'p' dancer has no name to enter
    ballerina(5, Vector{3, 3}, Kind::dancerP);
    clickOn(Vector{3, 3});
    EXPECT_TRUE(world->hasChosen && !world->nameEntry);
}

TEST_F(WorldNameEntryTest, TheEntryTimesOutAfterNineRealSecondsWhileTheStageAllButStands) {
    Obstacle& o = chosenBallerina();
    o.speed = 1.0f, world->nameEntryElapsed = 0.0f;
    const Vector start = o.position;
    for (int second = 0; second < 9; ++second) world->update(worldtest::noName, false, 1.0f);
    EXPECT_TRUE(world->nameEntry);
    EXPECT_LT(worldtest::planar(o.position, start), 0.01f);
    EXPECT_LT(worldtest::planar(world->cat().position, o.position), 0.01f);  // the cat sits on her
    world->update(worldtest::noName, false, 1.0f);
    EXPECT_FALSE(world->nameEntry);
    EXPECT_EQ(world->letterCursor + world->wrongClicks, 0);
}

// Contacts go on costing hearts at full speed while the stage all but stands:
// she may become happy and leave in the middle of the entry, or in the very
// update the cat selects her.
TEST_F(WorldNameEntryTest, ABallerinaWhoLeavesEndsTheEntryAndIsNeitherTargetNorChoice) {
    chosenBallerina().sadness = 0;  // happy: her update frees the slot
    hand("Elaine");
    EXPECT_EQ(world->obstacles[5]->kind, Kind::none);
    EXPECT_FALSE(world->nameEntry || world->switchSucceeded || world->switchDone);
    EXPECT_STREQ(world->prima().name, "Odile");
    EXPECT_EQ(world->letterCursor + world->wrongClicks, 0);

    Obstacle& next = chosenBallerina();
    world->chosenObstacle = world->prima().throwNow = 0;
    world->hasChosen = world->nameEntry = false;
    world->cat().position = next.position, next.sadness = 0;  // the cat selects her as she leaves
    hand("");
    EXPECT_EQ(next.selected, 1);
    EXPECT_FALSE(world->hasChosen);
    EXPECT_EQ(world->prima().throwNow, 0);
}
