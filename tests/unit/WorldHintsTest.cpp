#include <gtest/gtest.h>

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
        world->level = 1;
        world->levelTime = 10.0f;
        std::strcpy(world->prima().name, "Odile");
        world->prima().talents[1] = 1;  // more talented than the ballerina below
        ballerina(5, Vector{8, 8});
        names(5, "Elaine");
        world->chosenObstacle = 5;
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

TEST_F(WorldHintsTest, AnUnchangedCandidateShowsTwoSecondsThenRestsTwoANewOneAtOnce) {
    world->ballerinasOnScreen = 0;
    EXPECT_EQ(shownOver(16), (std::vector<int>{0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0, 0, 2, 2, 2, 2}));
    EXPECT_EQ(world->hintCandidate, 2);
    EXPECT_STREQ(world->hintText, "Follow the butterfly to a near Ballerina");

    shownOver(4);  // resting again
    world->ballerinasOnScreen = 1;
    world->catOnBallerina = true;
    EXPECT_EQ(shownOver(1).back(), 11);
    EXPECT_STREQ(world->hintText, "Odiles flowers make Elaine very happy");
}

TEST_F(WorldHintsTest, NoHintsInTheFirstTwoSecondsNorInTheGuidedDance) {
    world->ballerinasOnScreen = 0;
    world->levelTime = 1.9f;
    for (const int shown : shownOver(12)) EXPECT_EQ(shown, 0);
    EXPECT_EQ(world->hintCandidate, 0);
    EXPECT_STREQ(world->hintText, "");

    world->levelTime = 100.0f;
    world->level = 34;
    world->switchSucceeded = true;  // even an immediate hint
    for (const int shown : shownOver(12)) EXPECT_EQ(shown, 0);
    EXPECT_STREQ(world->hintText, "");
}

TEST_F(WorldHintsTest, CandidatesFollowTheirTableTheLastThatHoldsWins) {
    struct Case {
        int onScreen;
        bool catOn;
        bool frozen;
        bool nameEntry;
        int wrongClicks;
        std::int32_t energy;
        int muses;
        int candidate;
    };
    const Case cases[] = {
        {0, false, false, false, 0, 90, 0, 2},  {2, false, false, false, 0, 90, 0, 10},
        {2, true, false, false, 0, 90, 0, 11},  {6, true, false, false, 0, 90, 0, 4},
        {2, true, true, false, 0, 90, 0, 5},    {0, false, true, false, 0, 90, 0, 6},
        {2, false, false, false, 0, 30, 0, 3},  {0, false, false, false, 0, 30, 2, 18},
        {2, true, true, true, 0, 30, 0, 1},     {2, true, true, true, 1, 30, 0, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.candidate);
        world->ballerinasOnScreen = static_cast<std::uint8_t>(c.onScreen);
        world->catOnBallerina = c.catOn;
        world->frozen = c.frozen;
        world->nameEntry = c.nameEntry;
        world->wrongClicks = c.wrongClicks;
        world->prima().energy = c.energy;
        world->musesOnScreen = static_cast<std::uint8_t>(c.muses);
        world->updateHints(0.01f);
        EXPECT_EQ(world->hintCandidate, c.candidate);
    }
    // The more talented ballerina under the cat.
    world->frozen = world->nameEntry = false;
    world->ballerinasOnScreen = 1;
    world->catOnBallerina = true;
    world->prima().energy = 60;
    world->obstacles[5]->talents[Obstacle::blueTalent] = 2;
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintCandidate, 13);
}

TEST_F(WorldHintsTest, ImmediateHintsShowAtOnceWithTheirNames) {
    world->ballerinasOnScreen = 1;
    world->switchSucceeded = true;
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintShown, 19);
    EXPECT_STREQ(world->hintText, "Odile is your new Prima Ballerina");
    world->switchSucceeded = false;

    world->obstacles[5]->sadness = 0;  // happy, not yet gone
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintShown, 14);
    EXPECT_STREQ(world->hintText, "Elaine has happily left this dance");
    world->obstacles[5]->sadness = 50;

    world->sinceSelection = 2.0f;
    world->talentsNow[2] = 1;  // red grew
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintShown, 17);
    EXPECT_STREQ(world->hintText, "Red talents let Odile throw nicer blooms");
    world->talentsBefore[2] = 1;

    world->records[1].bronze = 3;
    world->score = 3;
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintShown, 9);
    EXPECT_STREQ(world->hintText, "You received a bronze medal");
    world->medalAnnounced[2] = true;
    world->records[1].gold = 3;
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintShown, 7);
    EXPECT_STREQ(world->hintText, "You received a gold medal.");
}

TEST_F(WorldHintsTest, HintTextsNeverOverflowTheirLine) {
    std::strcpy(world->prima().name, "Xavuwexxxx");
    names(5, "Aemelixxxx");
    world->ballerinasOnScreen = 1;
    world->catOnBallerina = true;
    shownOver(5);
    ASSERT_EQ(world->hintShown, 11);
    EXPECT_LT(std::strlen(world->hintText), sizeof world->hintText);
    EXPECT_EQ(std::string(world->hintText).rfind("Xavuwexxxxs flowers make Aemelixxxx", 0), 0u);
}

TEST_F(WorldHintsTest, GuidesPointFromThePrimaBallerinaTowardTheNearestTarget) {
    world->prima().position = Vector{1, 1};
    world->cameraPosition = Vector{1, 1};
    world->obstacles[5]->position = Vector{6, 1};
    ballerina(6, Vector{1, -20});  // farther
    world->census();
    world->ballerinasOnScreen = 0;
    const Vector toBallerina = world->guideToBallerina();
    EXPECT_NEAR(toBallerina.x, 0.9f, 1e-4f);
    EXPECT_NEAR(toBallerina.y, 0.0f, 1e-4f);
    const float heading = world->guideAngleBallerina();
    EXPECT_NEAR(std::cos((heading + 90.0f) * 0.017453292f), 1.0f, 1e-4f);

    // Seen on the screen: no pointer, and the angle keeps its value.
    world->ballerinasOnScreen = 1;
    EXPECT_TRUE(world->guideToBallerina().isZero());
    EXPECT_FLOAT_EQ(world->guideAngleBallerina(), heading);

    // The unhappy pointer skips happy ballerinas.
    world->obstacles[5]->happy = 1;
    world->census();
    world->unhappyOnScreen = 0;
    const Vector toUnhappy = world->guideToUnhappy();
    EXPECT_NEAR(toUnhappy.x, 0.0f, 1e-4f);
    EXPECT_NEAR(toUnhappy.y, -0.5f, 1e-4f);

    // Muses that have not sung.
    muse(9, Vector{1, 4}).sang = 1;
    muse(10, Vector{1, 9});
    world->census();
    world->musesOnScreen = 0;
    const Vector toMuse = world->guideToMuse();
    EXPECT_NEAR(toMuse.x, 0.0f, 1e-4f);
    EXPECT_NEAR(toMuse.y, 1.3f, 1e-4f);
    // Every muse has sung: no pointer.
    world->muses[10]->sang = 1;
    world->census();
    EXPECT_TRUE(world->guideToMuse().isZero());

    // No ballerina left: no pointers, and hint 2 is still the candidate.
    world->obstacles[5]->kind = 0;
    world->obstacles[6]->kind = 0;
    world->census();
    world->ballerinasOnScreen = 0;
    EXPECT_TRUE(world->guideToBallerina().isZero());
    EXPECT_TRUE(world->guideToUnhappy().isZero());
    world->updateHints(0.01f);
    EXPECT_EQ(world->hintCandidate, 2);
}
