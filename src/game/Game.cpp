#include "game/Game.h"

#include <cstring>
#include <new>

#include "actors/Avatar.h"
#include "game/MenuLayout.h"
#include "game/ProgressStore.h"
#include "game/ScreenRenderer.h"
#include "game/TextBatch.h"
#include "world/World.h"

namespace {

// Click and hover sounds of the menu.
constexpr int clickPlay = 1;
constexpr int clickQuit = 2;
constexpr int clickLevel = 3;
constexpr int clickPage = 4;

constexpr float menuGuard = 0.5f;   // seconds between menu clicks
constexpr float idleLimit = 300.0f;

}  // namespace

Game::Game()
    : screens(new ScreenRenderer()),
      world(new World()),
      progress(new ProgressStore()),
      progression(world->records, 9) {}

Game::~Game() { releaseEverything(); }

void Game::releaseEverything() {
    delete screens;
    delete world;
    delete progress;
    screens = nullptr;
    world = nullptr;
    progress = nullptr;
}

bool Game::setProgressDirectory(const char* directory) {
    return progress != nullptr && progress->setDirectory(directory);
}

void Game::clearHudMarks() { std::memset(hudMarks, 0, sizeof hudMarks); }

bool Game::init(int width, int height, bool release) {
    // 1. The renderer object with its unit quad; the loading screen needs it.
    screens->create();
    screens->beginLoading();
    screens->showLoadingProgress(0);
    releaseOnQuit = release;
    paused = true;
    // 2.-5.
    screens->buildFont();
    screens->showLoadingProgress(10);
    screens->loadTitlePictures();
    screens->showLoadingProgress(20);
    screens->loadPictureSet(pictureSet);
    screens->showLoadingProgress(30);
    screens->loadScreenPictures();
    screens->showLoadingProgress(40);
    // 6.
    screens->showLoadingProgress(50);
    // 7.
    loadProgress();
    screens->showLoadingProgress(70);
    screens->endLoading();
    // 8. The stage: its OpenGL state and projection, sounds and pictures, the first level.
    world->initGraphics(width, height);
    world->load(releaseOnQuit ? 1 : 0);
    world->startLevel(static_cast<std::uint8_t>(level));
    dancerCount = world->countObstacles(0);
    world->leftCount = 0;
    totalClock = 0.0f;
    clearHudMarks();
    // The first level has just been set up: Play starts it afresh.
    freshLevel = true;
    return true;
}

void Game::loadProgress() {
    progression.readRecords(*progress);
    progress->loadHighscore();
    std::memset(world->highscoreName, 0, sizeof world->highscoreName);
    std::memcpy(world->highscoreName, progress->highscoreName, ProgressStore::nameLength);
    world->highscorePoints = progress->highscorePoints;
    world->totalPoints = progression.ownTotal();
    if (world->totalPoints == 0) {
        std::int32_t baseScores[Progression::firstStartLevels] = {};
        for (int l = 0; l < Progression::firstStartLevels; ++l) {
            baseScores[l] = world->levelBaseScore(static_cast<std::uint8_t>(l));
        }
        progression.deriveFirstStart(*progress, baseScores);
    }
    const LevelChoice start = progression.chooseStart(world->difficulty);
    level = previousLevel = start.level;
    world->level = static_cast<std::uint8_t>(start.level);
    selectedLevel = start.selectedLevel;
}

void Game::evaluateDance(float seconds) {
    const bool goals = world->goalsMet(dancerCount);
    if (goals && !paused && endClock == 0.0f) {
        wonNow = true;
        startTransition = true;
    }
    if (goals && !paused) {
        endClock += seconds;
        resultRank = world->difficulty;
        resultMedal = 0;
        if (endClock >= endDuration) {
            const LevelChoice next = progression.finishDance(*progress, level, selectedLevel, world->score,
                                                             world->difficulty, world->totalPoints, resultMedal);
            level = next.level;
            selectedLevel = next.selectedLevel;
            // Forces the level change of this frame.
            previousLevel = 0;
            endClock = 0.0f;
        }
    }
}

void Game::changeLevel(bool lost, std::uint32_t newLevel) {
    if (!lost) {
        newHighscore = world->highscoreCheck();
        if (newHighscore) {
            progress->setHighscoreName(world->highscoreName);
            progress->setHighscorePoints(world->highscorePoints);
        }
        pointsBeforeDance = world->prima().points;
    } else {
        world->sungTotal = 0;
        world->happyTotal = 0;
        pointsBeforeDance = 0;
    }
    world->clearLevel();
    world->startLevel(static_cast<std::uint8_t>(newLevel));
    dancerCount = world->countObstacles(0);
    world->endFreeze();
}

std::uint32_t Game::menuHitTest() {
    const std::uint32_t code = MenuLayout::hitTest(menuPointer.x, menuPointer.y);
    const int sound = MenuLayout::hoverSound(code);
    if (sound >= 0) world->playMouseOver(sound);
    return code;
}

bool Game::menuIdle(bool isPaused, float seconds, bool isEntered) {
    idleClock += seconds;
    if (!isEntered) {
        idleClock = 0.001f;
    } else if (idleClock > idleLimit && world->danceTime < 1.0f) {
        // Nobody has touched the menu for five minutes: the dance starts by itself.
        isPaused = !isPaused;
        world->stopAllSounds();
        world->sungOverall += world->sungTotal;
        world->sungTotal = 0;
        world->happyTotal = 0;
        world->score = 0;
        world->levelTime = 0.0f;
        world->avatarsInDance = true;
        // As after Play, the dance stands still after its first second until
        // a click: a player who left the menu for long (or whose window was
        // away, which comes back as one long frame) finds it waiting.
        waitForClick = true;
        // Started by itself, a fresh lesson opens at its first page, as after Play.
        if (freshLevel) {
            tutorialStep = 0;
            tutorialPage = 1;
        }
        idleClock = 0.0f;
    }
    return isPaused;
}

void Game::startSelectedLevel(std::uint32_t newLevel) {
    world->savePrima();
    const Vector catAt = world->saveCat();
    freshLevel = true;
    level = previousLevel = newLevel;
    world->clearLevel();
    world->startLevel(static_cast<std::uint8_t>(newLevel));
    dancerCount = world->countObstacles(0);
    world->placeCat(catAt);
    world->endFreeze();
    world->nameEntry = false;
}

void Game::switchToSelectedLevel() {
    world->playClick(clickLevel);
    startSelectedLevel(selectedLevel);
    menuClickClock = 0.0f;
    world->playClick(clickPage);
    world->score = 0;
}

void Game::play() {
    paused = !paused;
    waitForClick = true;
    clickClock = 0.0f;
    menuClock = 0.0f;
    world->playClick(clickPlay);
    world->stopAllSounds();
    if (freshLevel) {
        world->sungOverall += world->sungTotal;
        world->sungTotal = 0;
        world->happyNow = 0;
        world->happyTotal = 0;
        endClock = 0.0f;
        world->score = 0;
        world->levelTime = 0.0f;
        world->prima().points = pointsBeforeDance;
        // A fresh level's dancers are all in the dance, even when the menu
        // was opened from the previous dance (which took them out).
        world->avatarsInDance = true;
        // The lesson starts at its first page.
        tutorialStep = 0;
        tutorialPage = 1;
    } else {
        world->restorePrima(Vector(0.0f, 0.0f, 0.0f));
        world->placeCat(Vector(0.0f, 0.0f, 0.0f));
    }
    if (levelCount < level && level < 51 && level != guidedLevel) {
        level = 1;
        world->happyTotal = 0;
        world->sungTotal = 0;
        world->sungOverall = 0;
        world->score = 0;
        world->totalPoints = 0;
        world->clearLevel();
        world->startLevel(1);
        paused = true;
    }
}

bool Game::menuClick() {
    const float x = menuPointer.x;
    const float y = menuPointer.y;
    if (MenuLayout::inGuidedButton(x, y)) {
        world->playClick(clickLevel);
        startSelectedLevel(guidedLevel);
        selectedLevel = guidedLevel;
        clearHudMarks();
    }
    if (MenuLayout::inVolumeSlider(x, y)) {
        volume = MenuLayout::volumeAt(x);
        sliderX = x;
    }
    // The arrow buttons beside the level picture step the selector too: the
    // menu asks the player to choose with the blinking arrows, and these are
    // the ones that swell under the pointer. Otherwise they would do nothing.
    const bool down = MenuLayout::inLevelDown(x, y) || MenuLayout::inPagePrevious(x, y);
    const bool up = MenuLayout::inLevelUp(x, y) || MenuLayout::inPageNext(x, y);
    if (down && menuClickClock > menuGuard) {
        selectedLevel = MenuLayout::stepSelector(selectedLevel, progression.highestLevel, false);
        switchToSelectedLevel();
    }
    if (up && menuClickClock > menuGuard) {
        selectedLevel = MenuLayout::stepSelector(selectedLevel, progression.highestLevel, true);
        switchToSelectedLevel();
    }
    const bool transitionOver = transitionClock >= transitionDuration;
    if (MenuLayout::inQuit(x, y) && menuClock > menuGuard && transitionOver) {
        quit = true;
        world->playClick(clickQuit);
        if (releaseOnQuit) {
            world->clearLevel();
            screens->releasePictures(pictureSet);
            screens->releaseScreenPictures();
            screens->deleteFont();
            releaseEverything();
        }
        return true;
    }
    if (MenuLayout::inPlay(x, y) && menuClock > menuGuard && clickClock > menuGuard && transitionOver) play();
    return false;
}
