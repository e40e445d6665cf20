#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "audio/SoundBank.h"
#include "audio/SoundTable.h"
#include "game/ProgressStore.h"
#include "gl/GamePlayer.h"

namespace {

using GamePlay = GameSession;

// The sound on the channel of the level ends.
int levelEndSound(World& world) { return world.sounds->channel(world.sounds->channelCount() - 1).sound; }

TEST_F(GamePlay, FirstStartGuidedDanceWonThenTheFirstDance) {
    // A first start: the tables derived and written, the guided dance next.
    EXPECT_EQ(progressFileSize(), 1000u);
    EXPECT_TRUE(game.level == 34u && game.selectedLevel == 34 && game.progression.menuMessage == 0);
    World& w = world();
    ProgressStore store;

    enterMenu();
    clickOn(playButton);
    ASSERT_FALSE(game.paused);
    EXPECT_TRUE(game.tutorialPage == 1 && game.waitForClick);
    // After its first second the lesson stands still until a click.
    player.wait(1.3f);
    const Vector standing = w.primaPositionNow();
    player.wait(0.5f);
    EXPECT_NEAR((w.primaPositionNow() - standing).length(), 0.0f, 0.01f);
    for (std::uint8_t page = 2; page <= 5; ++page) {
        player.wait(0.3f);
        player.click();
        EXPECT_EQ(game.tutorialPage, std::min<std::uint8_t>(page, 4));
        EXPECT_EQ(game.waitForClick, page < 5);
    }

    // The butterfly leads to the ballerina: page 5.
    auto nearest = [&] { return nearestBallerinaPosition(w); };
    ASSERT_TRUE(player.steer(nearest, 800, [&] { return game.tutorialPage == 5; }));
    EXPECT_TRUE(game.waitForClick);
    player.wait(0.3f);
    player.click();
    // Click her and type her name (the keyboard's y and z exchanged).
    ASSERT_TRUE(player.steer(nearest, 400, [&] { return w.nameEntry || !(player.input.leftButton ^= true); }));
    player.input.leftButton = false;
    const std::string herName = w.obstacles[w.chosenObstacle]->name, primaBefore = w.prima().name;
    for (char c : herName) {
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        player.key(key == 'y' ? 'z' : key == 'z' ? 'y' : key);
    }
    player.wait(1.0f);
    EXPECT_TRUE(w.prima().name == herName && herName != primaBefore) << w.prima().name;
    // The former Prima Ballerina counts as made happy: the last page.
    player.wait(0.5f);
    EXPECT_EQ(game.tutorialPage, 6);
    player.click();

    // Blossoms until the other ballerina leaves: the lesson is won.
    ASSERT_TRUE(player.steer(nearest, 1800, [&] { return game.paused; }))
        << "left " << w.leftCount << " hearts " << w.primaHearts;
    EXPECT_EQ(levelEndSound(w), Sound::levelGoodEnd) << "a lesson's score stays below its gold";
    EXPECT_TRUE(game.transitionLevel == 34u && !game.transitionFailed);
    EXPECT_LT(game.transitionClock, game.transitionDuration);
    EXPECT_EQ(game.resultRank, 0) << "the lesson's rosette shows no rank emblem";
    EXPECT_TRUE(game.level == 1u && game.selectedLevel == 1 && game.progression.menuMessage == 1);
    EXPECT_TRUE(w.records[34].ownDifficulty == 1 && store.getField(34, 5) == 1);
    EXPECT_EQ(store.getField(34, 4), w.records[34].own);
    // The first dance ever finished holds the highscore, in her name.
    EXPECT_TRUE(game.newHighscore);
    store.loadHighscore();
    EXPECT_TRUE(store.highscoreName == herName && store.highscorePoints == w.highscorePoints);
    // The menu shows the first dance; the result text runs out.
    player.wait(6.0f);
    EXPECT_TRUE(game.transitionClock >= game.transitionDuration && game.paused && w.level == 1);
}

TEST_F(GamePlay, EscapeOrLeavingPausesTheDanceEndsEntryAndFreezeFirstALostDanceIsTriedAgainAWonOneSlowsToAStop) {
    startFirstDance();
    World& w = world();

    // Escape and leaving the window both open the menu over the dance, which
    // stands still meanwhile; Play brings back the same dance where it stood.
    for (const bool leave : {false, true}) {
        SCOPED_TRACE(leave ? "window left" : "Escape");
        const Vector prima = w.primaPositionNow();
        if (leave) {
            game.focusLost();
            player.frame();
        } else {
            player.press(player.input.escape);
        }
        EXPECT_TRUE(game.paused && !game.freshLevel) << "a paused dance, not a new one";
        const float levelTime = w.levelTime, danceTime = w.danceTime;
        player.wait(1.5f);
        EXPECT_TRUE(w.levelTime == levelTime && w.danceTime == danceTime);
        clickOn(playButton);
        ASSERT_FALSE(game.paused);
        EXPECT_EQ(w.levelTime, levelTime) << "Play started the dance afresh";
        EXPECT_NEAR((w.primaPositionNow() - prima).length(), 0.0f, 0.01f);
        EXPECT_TRUE(game.waitForClick);
        player.wait(0.2f);
        player.click();
        player.wait(0.6f);
        EXPECT_TRUE(!game.paused && !game.waitForClick && w.levelTime > levelTime);
    }

    // Escape first ends a freeze, then acts again only half a second later,
    // opening the menu.
    player.press(player.input.rightButton);
    ASSERT_TRUE(w.frozen);
    player.press(player.input.escape);
    EXPECT_FALSE(w.frozen);
    player.press(player.input.escape);
    EXPECT_FALSE(game.paused);
    player.wait(0.6f);
    player.press(player.input.escape);
    EXPECT_TRUE(game.paused);
    player.wait(0.6f);
    play();
    // Leaving the window ends a freeze and opens the menu in the same frame.
    player.input.rightButton = true;
    player.wait(0.2f);
    ASSERT_TRUE(w.frozen);
    game.focusLost();
    player.frame();
    player.input.rightButton = false;
    EXPECT_TRUE(!w.frozen && game.paused && !game.freshLevel);
    player.wait(0.6f);
    play();
    // Escape during a name entry ends the entry only.
    int slot = 1;
    while (slot < World::poolCapacity && w.obstacles[slot]->kind != Kind::ballerina) ++slot;
    ASSERT_LT(slot, World::poolCapacity);
    w.chosenObstacle = static_cast<std::uint8_t>(slot);
    w.nameEntryElapsed = 0.0f;
    w.shuffleLetters();
    w.nameEntry = true;
    player.frame();
    player.key('d');
    EXPECT_TRUE(game.entry.typedCount == 1 && std::tolower(game.entry.typedName[0]) == 'd');
    player.press(player.input.escape);
    EXPECT_FALSE(w.nameEntry || game.paused);

    // Her last heart: the Prima Ballerina is happy, the dance is lost.
    player.wait(0.6f);
    w.prima().energy = 0;
    player.frame();
    EXPECT_TRUE(game.transitionFailed && game.transitionDuration == 2.0f);
    player.wait(1.2f);
    EXPECT_TRUE(game.paused && game.freshLevel && game.level == 1u && w.level == 1);
    EXPECT_TRUE(w.primaHearts > 0 && w.score == 0) << "set up again";
    EXPECT_EQ(levelEndSound(w), Sound::levelBadEnd);
    // "T r y  A g a i n !" for two seconds in the menu from the loss on.
    EXPECT_TRUE(game.transitionFailed && game.transitionClock < 0.5f);
    player.wait(1.5f);
    EXPECT_LT(game.transitionClock, 2.0f);
    player.wait(0.5f);
    EXPECT_TRUE(game.transitionClock >= 2.0f && w.records[1].ownDifficulty == 0);

    // Goals met: the frame time falls to nothing over the one-second end
    // phase; a score at the gold record sounds the highscore end.
    play();
    w.goalB = 1000;
    w.goalMuses = w.goalHappy = 0;
    w.records[1].gold = 0;
    for (int k = 0; k < 30; ++k) {
        const float before = w.levelTime;
        player.frame();
        if (game.paused) break;
        EXPECT_NEAR(w.levelTime - before, Player::frameSeconds * (1.0f - Player::frameSeconds * k), 1e-4f) << k;
    }
    EXPECT_TRUE(game.paused && game.level == 2u && levelEndSound(w) == Sound::levelHighscoreEnd);
}

TEST_F(GamePlay, TheArrowsBesideTheLevelPictureChooseTheDanceAndIdleMinutesStartAFreshDanceOnly) {
    // Leaving the window outside a dance keeps the welcome screen up.
    player.wait(0.3f);
    game.focusLost();
    player.frame();
    EXPECT_FALSE(game.entered);
    enterMenu();
    ASSERT_TRUE(player.moveCatTo(nextArrow));
    player.wait(0.2f);
    EXPECT_EQ(game.hoverCode, 52u);
    player.click();
    EXPECT_TRUE(game.selectedLevel == 1 && world().level == 1 && game.freshLevel);
    player.wait(0.6f);
    clickOn(previousArrow);
    EXPECT_TRUE(game.selectedLevel == 34 && game.level == 34u);
    // Held down, a button steps once per half second.
    player.wait(0.6f);
    player.input.leftButton = true;
    player.wait(0.3f);
    player.input.leftButton = false;
    player.frame();
    EXPECT_EQ(game.selectedLevel, 1);
    player.wait(0.6f);
    clickOn(previousArrow);
    ASSERT_EQ(game.level, 34u);

    // Five idle minutes in the menu start the fresh dance by itself, at its
    // first page as after Play.
    player.frame(100.0f);
    EXPECT_TRUE(game.paused);
    player.frame(201.0f);
    EXPECT_TRUE(!game.paused && game.tutorialPage == 1 && game.waitForClick);
    // A dance that has run stays paused however long the menu waits. (The
    // lesson's pages 2 to 4 each wait for their click.)
    for (int page = 1; page <= 4; ++page) {
        player.click();
        player.wait(0.3f);
    }
    player.wait(0.5f);
    EXPECT_GT(world().danceTime, 1.0f);
    player.press(player.input.escape);
    ASSERT_TRUE(game.paused);
    player.frame(301.0f);
    player.frame();
    EXPECT_TRUE(game.paused);
}

struct GameQuit : GameSession {
    GameQuit() { releaseOnQuit = true; }
};

TEST_F(GameQuit, QuitEndsTheGameAndReleasesEverything) {
    enterMenu();
    ASSERT_TRUE(player.moveCatTo(quitButton));
    player.wait(0.2f);
    EXPECT_EQ(game.hoverCode, 2u);
    player.input.leftButton = true;
    EXPECT_TRUE(!player.frame() && player.ended);
    EXPECT_TRUE(game.stage() == nullptr && game.screenRenderer() == nullptr);
    EXPECT_EQ(progressFileSize(), 1000u);
}

}  // namespace
