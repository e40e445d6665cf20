// Leaving the window (Alt-Tab) during a dance opens the menu as Escape does,
// and Play resumes the same dance: the real Game, frame by frame.
#include <gtest/gtest.h>

#include <vector>

#include "gl/GamePlayer.h"
#include "gl/GlContext.h"

namespace {

// Menu places (stage units) the cat is steered onto.
const Vector playButton{-1.235f, -1.72f};
const Vector levelUpArrow{0.025f, -1.0f};

// Where the other ballerinas stand, by slot.
struct Ballerina {
    int slot;
    Vector position;
};

std::vector<Ballerina> ballerinas(World& world) {
    std::vector<Ballerina> found;
    for (int i = 0; i < World::poolCapacity; ++i) {
        if (Kind::isDancer(world.obstacles[i]->kind)) found.push_back({i, world.obstacles[i]->position});
    }
    return found;
}

class FocusLoss : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(run.ok()) << "no generated run directory in VELVETARIUM_GAME_DIR";
        ASSERT_TRUE(game.init(GlContext::width, GlContext::height, false));
    }

    // Welcome screen, then the menu.
    void enterMenu() {
        player.wait(0.3f);
        player.click();
        ASSERT_TRUE(game.entered);
        ASSERT_TRUE(game.paused);
        player.wait(0.6f);
    }

    void clickOn(Vector place) {
        ASSERT_TRUE(player.moveCatTo(place)) << "the cat never reached (" << place.x << ", " << place.y << ")";
        player.click();
    }

    // The first city dance, running.
    void startFirstDance() {
        enterMenu();
        clickOn(levelUpArrow);
        ASSERT_EQ(game.level, 1u);
        player.wait(0.6f);
        clickOn(playButton);
        ASSERT_FALSE(game.paused);
        player.wait(1.3f);
        player.click();  // past "Press a mouse key"
        player.wait(1.0f);
        ASSERT_FALSE(game.paused);
        ASSERT_FALSE(game.waitForClick);
    }

    RunDirectory run;
    Game game;
    Player player{game};
};

TEST_F(FocusLoss, LeavingADanceOpensTheMenuAndPlayResumesTheSameDance) {
    startFirstDance();
    World& w = player.world();
    const Vector prima = w.primaPositionNow();
    const float danceTime = w.danceTime;
    const std::vector<Ballerina> dancers = ballerinas(w);
    ASSERT_FALSE(dancers.empty());

    game.focusLost();
    player.frame();
    EXPECT_TRUE(game.paused) << "the menu did not open";
    EXPECT_FALSE(game.freshLevel) << "a paused dance, not a new one";
    EXPECT_EQ(game.level, 1u);

    // While the player is away the dance stands still.
    const float levelTime = w.levelTime;
    player.wait(1.5f);
    EXPECT_TRUE(game.paused);
    EXPECT_EQ(w.levelTime, levelTime);
    EXPECT_EQ(w.danceTime, danceTime);

    clickOn(playButton);
    ASSERT_FALSE(game.paused);
    EXPECT_EQ(game.level, 1u);
    EXPECT_EQ(w.level, 1);
    EXPECT_EQ(w.levelTime, levelTime) << "Play started the dance afresh";
    EXPECT_NEAR(w.primaPositionNow().x, prima.x, 0.01f);
    EXPECT_NEAR(w.primaPositionNow().y, prima.y, 0.01f);
    for (const Ballerina& b : dancers) {
        SCOPED_TRACE(b.slot);
        EXPECT_TRUE(Kind::isDancer(w.obstacles[b.slot]->kind));
        EXPECT_NEAR(w.obstacles[b.slot]->position.x, b.position.x, 0.05f);
        EXPECT_NEAR(w.obstacles[b.slot]->position.y, b.position.y, 0.05f);
    }

    // It goes on after the click, and the menu does not come back.
    player.wait(0.2f);
    player.click();
    player.wait(1.0f);
    EXPECT_FALSE(game.paused);
    EXPECT_GT(w.levelTime, levelTime);
}

TEST_F(FocusLoss, AFreezeEndsAndTheMenuOpensInTheSameFrame) {
    startFirstDance();
    World& w = player.world();
    player.input.rightButton = true;
    player.wait(0.2f);
    ASSERT_TRUE(w.frozen) << "the right button did not freeze time";

    game.focusLost();
    player.frame();
    EXPECT_FALSE(w.frozen);
    EXPECT_TRUE(game.paused);
    EXPECT_FALSE(game.freshLevel);
}

TEST_F(FocusLoss, OutsideADanceLeavingChangesNothingAndIsNotKept) {
    // The welcome screen stays up.
    player.wait(0.3f);
    game.focusLost();
    player.frame();
    EXPECT_FALSE(game.entered);
    EXPECT_TRUE(game.paused);

    // In the menu nothing changes either.
    enterMenu();
    game.focusLost();
    player.wait(0.6f);
    EXPECT_TRUE(game.paused);
    EXPECT_TRUE(game.freshLevel);

    // The dance that Play starts runs on: the request was not kept for it.
    clickOn(playButton);
    ASSERT_FALSE(game.paused);
    player.wait(0.5f);
    EXPECT_FALSE(game.paused);
}

}  // namespace
