#pragma once

#include <cstdint>

#include "actors/Vector.h"
#include "game/InputSnapshot.h"
#include "game/NameEntry.h"
#include "game/Progression.h"
#include "game/ScreenViews.h"
#include "world/Levels.h"

class World;
class ScreenRenderer;
class ProgressStore;

// The one top-level object of the program. The main loop creates it before
// the window exists, calls init once the OpenGL context is there, and then
// frame once per frame; a true result of frame ends the program.
//
// It owns the World, the screens and the progress store, and decides in
// every frame which screen is up: the welcome screen of the first start,
// the menu between dances, or a running dance with its end phase and
// transition text. The screen is not one variable; it follows from
// entered, paused, the level and the clocks below.
class Game {
    // Owned, created in this order.
    ScreenRenderer* screens;
    World* world;
    ProgressStore* progress;

public:
    static constexpr std::uint8_t guidedLevel = guidedDanceLevel;

    // Creates the screens, the World and the progress store; no OpenGL call.
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Where "savegame.txt" is kept ("" the working directory); before init.
    bool setProgressDirectory(const char* directory);

    // Loading with its progress screen: font, pictures, progress, the
    // World's graphics, sounds and the first level. Always true.
    bool init(int width, int height, bool releaseOnQuit);

    // One frame; true ends the program (the menu's Quit).
    bool frame(const InputSnapshot& input, float seconds);

    // The window lost the input focus (the player switched away): the next
    // frame of a running dance opens the menu, as Escape does, so that no
    // dance goes on without the player. Play resumes it.
    void focusLost() { leftWindow = true; }

    // --- menu and progression ---------------------------------------------
    void loadProgress();
    void evaluateDance(float seconds);
    std::uint32_t menuHitTest();
    bool menuClick();
    bool menuIdle(bool isPaused, float seconds, bool isEntered);

    // --- level change and the parts of a frame ----------------------------
    void changeLevel(bool lost, std::uint32_t newLevel);
    void danceFrame(std::int32_t dancers, bool isPaused, float dt);
    void nameEntryFrame(const InputSnapshot& input, float seconds);
    void resetNameEntry() { entry.reset(); }

    World* stage() const { return world; }
    ScreenRenderer* screenRenderer() const { return screens; }

    // --- state, in the order the frame uses it ------------------------------
    std::uint32_t level = 1;
    std::uint32_t levelCount = 9;
    std::uint32_t previousLevel = 1;
    bool paused = true;
    bool quit = false;
    float pausedSeconds = 0.0f;
    float idleClock = 0.0f;
    Vector menuPointer;
    std::uint32_t hoverCode = 0;
    float endDuration = 1.0f;
    float endClock = 0.0f;
    Vector menuPrimaPosition{-1.175f, -0.65f, 0.0f};
    Vector menuCatPosition{-1.32f, -1.7f, 0.0f};
    bool wonNow = false;
    std::int32_t dancerCount = 0;
    float escapeClock = 0.0f;
    bool freshLevel = false;
    float volume = 0.5f;
    bool startTransition = false;
    float transitionDuration = 6.0f;
    float fadeTime = 1.5f;
    std::uint8_t selectedLevel = 1;
    std::uint8_t pictureSet = 36;
    float menuClickClock = 0.0f;
    float menuClock = 0.0f;
    float clickClock = 0.0f;
    float transitionClock = 0.0f;
    std::uint32_t transitionLevel = 0;
    bool transitionFailed = false;
    float totalClock = 0.0f;
    bool entered = false;
    std::int32_t pointsBeforeDance = 0;
    bool newHighscore = false;
    bool pointerOnMenuSpot = false;
    bool waitForClick = false;
    float tutorialClock = 0.0f;
    float lastFrameSeconds = 0.0f;
    std::uint8_t tutorialPage = 0;
    std::uint8_t tutorialStep = 0;
    bool tutorialButtonWasDown = false;
    std::uint8_t resultRank = 0;
    std::uint8_t resultMedal = 0;
    float nameScrollClock = 0.0f;
    bool songStarted = false;
    bool introStarted = false;
    bool releaseOnQuit = false;
    bool wasNameEntry = false;
    HudMarks hudMarks = {};
    float sliderX = 0.75f;         // the volume knob
    std::int32_t previousMouseX = 0;
    bool leftWindow = false;  // set by focusLost, taken by the next frame

    // Records, medals, highest level, rank and the menu's progress line.
    Progression progression;
    // The typed name and its marks.
    NameEntry entry;

private:
    void enterMenu(float& dt, InputSnapshot& input);
    void guidedDanceStep(const InputSnapshot& input, float dt);
    void steer(const InputSnapshot& input, bool rightButton, float dt);
    void menuFrame(const InputSnapshot& input, float dt);
    void transitionFrame(float stepEightSeconds, float seconds, bool lost);
    void welcomeFrame(const InputSnapshot& input);
    void switchToSelectedLevel();
    void startSelectedLevel(std::uint32_t newLevel);
    void play();
    void releaseEverything();
    void clearHudMarks();
    NameEntryLink linkNameEntry();
};
