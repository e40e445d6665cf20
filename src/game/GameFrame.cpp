// One frame of the game: the steps from input to the screens, in order.
#include <cmath>

#include "game/Game.h"
#include "game/ScreenRenderer.h"
#include "world/World.h"

namespace {

constexpr float escapeGuard = 0.5f;
constexpr float clickGuard = 0.5f;
constexpr float scrollGuard = 0.2f;
constexpr float tutorialGuard = 0.2f;
constexpr float menuSpotReach = 0.5f;

// The letters a paused game ignores (left stays, for the menu).
constexpr char pausedKeys[] = "wdsaoitbprq";

void release(InputSnapshot& input, char letter) { input.letters[letter - 'a'] = false; }

}  // namespace

bool Game::frame(const InputSnapshot& input, float seconds) {
    if (world == nullptr || screens == nullptr) return true;  // released by Quit
    InputSnapshot in = input;
    float dt = seconds;
    // Leaving the window counts as an Escape, without its repeat guard, in a
    // running dance only; outside a dance it is forgotten.
    const bool away = leftWindow && !paused;
    leftWindow = false;

    // 1.
    lastFrameSeconds = seconds;
    totalClock += seconds;
    clickClock += seconds;
    world->lastLeavingPoints = 0;

    // 2. After its first second a dance waits for a click.
    if ((in.leftButton || in.rightButton) && !paused && world->levelTime > 1.0f) waitForClick = false;
    if (!paused && waitForClick && world->levelTime > 1.0f) dt = 0.0f;

    // 3. Escape first ends a name entry or a freeze.
    if (((in.escape && escapeClock > escapeGuard) || away) && (world->nameEntry || world->frozen)) {
        if (world->nameEntry) {
            world->nameEntry = false;
        } else {
            world->endFreeze();
        }
        in.escape = false;
        escapeClock = 0.0f;
    }

    // 4. The menu spot, down left of the Prima Ballerina.
    const Vector prima = world->primaPositionNow();
    const Vector cat = world->catPositionNow();
    const Vector spot(prima.x - 3.3f, prima.y - 2.6f);
    const bool catOnSpot = std::fabs(cat.x - spot.x) < menuSpotReach && std::fabs(cat.y - spot.y) < menuSpotReach;
    if (!paused && in.leftButton && clickClock > clickGuard && catOnSpot) {
        in.escape = true;
        clickClock = 0.0f;
    }
    pointerOnMenuSpot = !paused && catOnSpot;

    // 5. and 6.
    world->volume = volume;
    world->level = static_cast<std::uint8_t>(level);
    menuClickClock += dt;
    menuClock += dt;
    if (in.leftButton) pausedSeconds = 0.0f;
    escapeClock += dt;

    // 7.
    // Leaving the window opens the menu at once, even after ending a name
    // entry or a freeze in step 3.
    if (((in.escape && escapeClock > escapeGuard) || away) && !paused) enterMenu(dt, in);

    // 8.
    quit = false;
    wonNow = false;
    startTransition = false;
    const float stepEightSeconds = dt;

    // 9. The mouse moves the letter cursor of a name entry.
    if (world->nameEntry) {
        if (in.mouseX > previousMouseX + 1 && nameScrollClock > scrollGuard) {
            world->letterCursor += 1;
            nameScrollClock = 0.0f;
        }
        if (in.mouseX < previousMouseX - 1 && nameScrollClock > scrollGuard) {
            world->letterCursor -= 1;
            nameScrollClock = 0.0f;
        }
        if (world->letterCursor > world->letterCount - 1) world->letterCursor = world->letterCount - 1;
        if (world->letterCursor < 0) world->letterCursor = 0;
    }
    previousMouseX = in.mouseX;
    nameScrollClock += dt;

    // 10.
    if (paused) {
        in.rightButton = false;
        for (const char* k = pausedKeys; *k != 0; ++k) release(in, *k);
        in.space = false;
    }

    // 11. The end phase slows the dance down to a stop.
    const float stepSeconds = dt;
    if (endClock != 0.0f && !paused) {
        in.leftButton = false;
        dt = dt * (endDuration - endClock) / endDuration;
    }

    // 12. and 13.
    if (paused) tutorialClock = 0.0f;
    if (level == guidedLevel) {
        guidedDanceStep(in, dt);
    } else {
        steer(in, in.rightButton, dt);
        tutorialStep = 0;
        tutorialPage = 1;
    }

    // 14. and 15.
    evaluateDance(stepSeconds);
    bool lost = false;
    if (world->primaHearts < 1) {
        endClock += stepSeconds;
        if (endClock >= endDuration) {
            lost = true;
            idleClock = 0.0f;
            endClock = 0.0f;
            world->score = 0;
        }
    }

    // 16.
    if (paused) {
        pausedSeconds = dt;
        dt = 0.0f;
    }

    // 17. and 18.
    if (level != previousLevel || lost) {
        const bool changed = level != previousLevel;
        changeLevel(lost, level);
        menuClock = 0.0f;
        idleClock = 0.0f;
        paused = true;
        freshLevel = true;
        world->nameEntry = false;
        if (entered) {
            const std::int32_t gold = transitionLevel < World::recordCount ? world->records[transitionLevel].gold : 0;
            if (changed && world->score < gold) world->playLevelEnd(1, volume);
            if (changed && world->score >= gold) world->playLevelEnd(3, volume);
            if (lost) world->playLevelEnd(2, volume);
        }
        clearHudMarks();
    } else {
        // Under the menu's opaque frame the dance is worked out as ever but
        // not rasterised.
        const bool hidden = paused && screens->menuHidesStage();
        if (hidden) screens->beginHiddenDrawing();
        danceFrame(dancerCount, paused, dt);
        if (hidden) screens->endHiddenDrawing();
        if (world->nameEntry != wasNameEntry) resetNameEntry();
        if (world->nameEntry) nameEntryFrame(in, dt);
        wasNameEntry = world->nameEntry;
    }
    // The name entry compares each key with the frame before, also the
    // frames before the entry began.
    if (!world->nameEntry) {
        bool letters[26];
        NameEntry::exchangeYZ(in.letters, letters);
        entry.rememberKeys(letters, in.backspace);
    }

    // 19.
    if (paused) {
        menuFrame(in, dt);
        if (quit) return true;
    }

    // 20.-24.
    transitionFrame(stepEightSeconds, seconds, lost);

    // 25. and 26.
    welcomeFrame(in);

    // 27.
    previousLevel = level;
    return quit;
}

void Game::enterMenu(float& dt, InputSnapshot& input) {
    world->savePrima();
    world->saveCat();
    paused = true;
    world->playSong(volume);
    songStarted = true;
    pausedSeconds = dt;
    dt = 0.0f;
    freshLevel = false;
    // Both leave the dance while the menu shows them.
    world->restorePrima(menuPrimaPosition);
    world->placeCat(menuCatPosition);
    release(input, 'r');
    escapeClock = 0.0f;
}

void Game::steer(const InputSnapshot& in, bool rightButton, float dt) {
    world->steer(in.mouseX, in.mouseY, in.leftButton, rightButton, in.letter('w'), in.letter('d'), in.letter('s'),
                 in.letter('a'), in.letter('o'), in.letter('i'), in.letter('t'), in.letter('b'), in.letter('p'),
                 in.letter('r'), in.letter('q'), in.space, dt);
}

void Game::guidedDanceStep(const InputSnapshot& in, float dt) {
    // The click guard runs with the real frame time: while a page waits for
    // its click the dance (and dt) stands still, and a plain click must
    // still turn the page.
    // A page turns once per click: the button held on from the click on
    // Play, or held down long, does not leaf through the lesson.
    // Clicks in the menu turn no page, however long its frames.
    tutorialClock += lastFrameSeconds;
    const bool pressed = in.leftButton || in.rightButton;
    if (pressed && !tutorialButtonWasDown && tutorialClock > tutorialGuard && !paused) {
        tutorialStep += 1;
        tutorialClock = 0.0f;
    }
    tutorialButtonWasDown = pressed;
    if (tutorialStep >= 1 && tutorialStep <= 3) {
        tutorialPage = static_cast<std::uint8_t>(tutorialStep + 1);
        waitForClick = true;
    }
    if (tutorialStep == 4 && tutorialPage == 4) waitForClick = false;
    if (world->ballerinaNear && tutorialPage == 4) {
        tutorialPage = 5;
        waitForClick = true;
    }
    if (world->happyTotal > 0 && tutorialPage == 5) {
        tutorialPage = 6;
        waitForClick = true;
        world->leftCount = 0;
    }
    if (tutorialPage == 6) world->happyTotal = 1;
    // Time cannot be frozen in the lesson.
    steer(in, false, dt);
}
