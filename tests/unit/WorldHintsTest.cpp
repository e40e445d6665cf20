// The hint line: when a hint shows, which one, and its text.
#include <cstring>
#include <string>
#include <vector>

#include "WorldFixture.h"

namespace {

class WorldHintsTest : public worldtest::WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        emptyStage(Vector{1, 1});
        world->level = 1, world->levelTime = 10.0f, world->chosenObstacle = 5;
        std::strcpy(world->prima().name, "Odile");
        world->prima().talents[1] = 1;  // more talented than the ballerina below
        ballerina(5, Vector{8, 8}), names(5, "Elaine");
    }

    // hintShown over `frames` calls of half a second.
    std::vector<int> shownOver(int frames) {
        std::vector<int> shown;
        for (int i = 0; i < frames; ++i) {
            world->updateHints(0.5f);
            shown.push_back(world->hintShown);
        }
        return shown;
    }
};

}  // namespace

TEST_F(WorldHintsTest, AnUnchangedCandidateShowsTwoSecondsThenRestsTwoANewOneAtOnceNoneAtFirst) {
    world->ballerinasOnScreen = 0;
    EXPECT_EQ(shownOver(16), (std::vector<int>{0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0, 0, 2, 2, 2, 2}));
    EXPECT_STREQ(world->hintText, "Follow the butterfly to a near Ballerina");
    // A new candidate at once; long names never overflow the line.
    std::strcpy(world->prima().name, "Xavuwexxxx");
    names(5, "Aemelixxxx");
    world->ballerinasOnScreen = 1, world->catOnBallerina = true;
    ASSERT_EQ(shownOver(1).back(), 11);
    EXPECT_LT(std::strlen(world->hintText), sizeof world->hintText);
    EXPECT_EQ(std::string(world->hintText).rfind("Xavuwexxxxs flowers make Aemelixxxx", 0), 0u);
    // None in the first two seconds, nor in the guided dance, not even an immediate one.
    world->levelTime = 1.9f, world->hintShown = 0;
    EXPECT_EQ(shownOver(12), std::vector<int>(12, 0));
    world->levelTime = 10.0f, world->level = 34, world->switchSucceeded = true;
    EXPECT_EQ(shownOver(12), std::vector<int>(12, 0));
}

TEST_F(WorldHintsTest, CandidatesFollowTheirTableTheLastThatHoldsWins) {
    const struct {
        int onScreen;
        bool catOn, frozen, nameEntry;
        int wrongClicks, energy, muses, herBlue, candidate;
    } cases[] = {
        {0, false, false, false, 0, 90, 0, 0, 2},  {2, false, false, false, 0, 90, 0, 0, 10},
        {2, true, false, false, 0, 90, 0, 0, 11},  {6, true, false, false, 0, 90, 0, 0, 4},
        {2, true, true, false, 0, 90, 0, 0, 5},    {0, false, true, false, 0, 90, 0, 0, 6},
        {2, false, false, false, 0, 30, 0, 0, 3},  {0, false, false, false, 0, 30, 2, 0, 18},
        {2, true, true, true, 0, 30, 0, 0, 1},     {2, true, true, true, 1, 30, 0, 0, 12},
        {1, true, false, false, 0, 60, 0, 2, 13},  // the ballerina under the cat is more talented
    };
    for (const auto& c : cases) {
        world->ballerinasOnScreen = static_cast<std::uint8_t>(c.onScreen), world->catOnBallerina = c.catOn;
        world->frozen = c.frozen, world->nameEntry = c.nameEntry, world->wrongClicks = c.wrongClicks;
        world->prima().energy = c.energy, world->musesOnScreen = static_cast<std::uint8_t>(c.muses);
        world->obstacles[5]->talents[Obstacle::blueTalent] = static_cast<std::uint8_t>(c.herBlue);
        world->updateHints(0.01f);
        EXPECT_EQ(world->hintCandidate, c.candidate);
    }
}

TEST_F(WorldHintsTest, ImmediateHintsShowAtOnceWithTheirNames) {
    world->ballerinasOnScreen = 1;
    auto expectShown = [&](int hint, const char* text) {
        world->updateHints(0.01f);
        EXPECT_EQ(world->hintShown, hint);
        EXPECT_STREQ(world->hintText, text);
    };
    world->obstacles[5]->sadness = 0;  // happy, not yet gone
    expectShown(14, "Elaine has happily left this dance");
    world->obstacles[5]->sadness = 50, world->sinceSelection = 2.0f;
    world->talentsNow[2] = 1;  // red grew
    expectShown(17, "Red talents let Odile throw nicer blooms");
    world->talentsBefore[2] = 1;
    world->records[1].gold = world->score = 3;
    expectShown(7, "You received a gold medal.");
}
