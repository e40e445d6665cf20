// The screens of a frame: the dance with its interface and texts, the menu,
// the transition, the welcome screen and the name entry.
#include <cmath>

#include "actors/Avatar.h"
#include "game/Game.h"
#include "game/ScreenRenderer.h"
#include "game/TextScreens.h"
#include "render/WorldRenderer.h"
#include "world/World.h"

namespace {

constexpr float songDelay = 2.0f;  // the dance music comes back two seconds into a transition

}  // namespace

void Game::danceFrame(std::int32_t dancers, bool isPaused, float dt) {
    if (!isPaused) world->think(dt);
    world->update(entry.handedName, isPaused, dt);
    world->draw(dt);

    InterfaceView view;
    view.guides[0] = world->guideToBallerina();
    view.guides[1] = world->guideToUnhappy();
    view.guides[2] = world->guideToMuse();
    view.guideAngles[0] = world->guideAngleBallerina();
    view.guideAngles[1] = world->guideAngleUnhappy();
    view.guideAngles[2] = world->guideAngleMuse();
    // The lesson's hot spot: whatever the cat stands on glows.
    view.hasHotSpot = world->level == guidedLevel && (world->catOnBallerina || world->catOnMuse || world->catOnTalent);
    view.hotSpot = world->catPositionNow() - world->cameraPosition;

    view.sungTotal = world->sungTotal;
    view.goalMuses = world->goalMuses;
    view.musesSinging = world->musesSinging;
    view.score = world->score;
    view.goldScore = world->level < World::recordCount ? world->records[world->level].gold : 0;
    view.goalB = world->goalB;
    view.dancerCount = dancers;
    view.leftCount = world->leftCount;
    view.primaHearts = world->primaHearts;
    for (int i = 0; i < 3; ++i) view.talents[i] = world->talentsNow[i];
    view.frozen = world->frozen;
    view.freezeLimit = world->freezeLimit;
    view.freezeElapsed = world->freezeElapsed;
    view.nameEntry = world->nameEntry;
    view.nameEntryLimit = world->nameEntryLimit;
    view.nameEntryElapsed = world->nameEntryElapsed - 1.0f;
    view.pointerOnMenuSpot = pointerOnMenuSpot;
    view.hintShown = world->hintShown != 0;
    view.seconds = dt;
    view.level = world->level;
    view.waitForClick = waitForClick;
    screens->drawInterface(view, hudMarks);

    TextBatch texts;
    DanceTextInput info;
    info.level = world->level;
    info.difficulty = world->difficulty;
    info.leftCount = world->leftCount;
    info.dancerCount = dancers;
    info.goalB = world->goalB;
    info.tutorialPage = tutorialPage;
    info.waitForClick = waitForClick;
    TextScreens::dance(texts, info);
    screens->print(texts);

    world->drawOverlay();
}

void Game::menuFrame(const InputSnapshot& in, float dt) {
    quit = false;
    MenuView view;
    view.selectedLevel = selectedLevel;
    view.hoverCode = hoverCode;
    view.medalOfLevel = progression.medalOfLevel;
    view.rank = progression.rank;
    view.sideHeight = 1.2f + 0.08f * std::sin(totalClock * 2.0f);
    view.sliderX = sliderX;
    view.seconds = pausedSeconds;
    screens->drawMenu(view);

    TextBatch texts;
    MenuTextInput words;
    words.totalClock = totalClock;
    words.menuMessage = progression.menuMessage;
    words.level = level;
    words.selectedLevel = selectedLevel;
    words.dancerCount = dancerCount;
    words.goalB = world->goalB;
    words.score = world->score;
    words.difficulty = world->difficulty;
    words.records = world->records;
    TextScreens::menu(texts, words);
    screens->print(texts);

    world->drawPrimaName();
    clickClock += pausedSeconds;
    if (entered) {
        // The cat keeps following the mouse in the menu: it is the pointer.
        menuPointer = world->levelPreview(menuPrimaPosition, static_cast<std::uint8_t>(level), dt, pausedSeconds);
    }
    if (transitionClock >= transitionDuration) hoverCode = menuHitTest();
    paused = menuIdle(paused, pausedSeconds, entered);
    if (in.leftButton && entered) {
        quit = menuClick();
        if (quit) return;
    }
    world->nameEntry = false;
}

void Game::transitionFrame(float stepEightSeconds, float seconds, bool lost) {
    // 20. The failure text starts as she becomes happy and starts over at
    // the loss, so that the menu shows it for its whole time (the set-up
    // already gave her back her hearts).
    if ((world->primaHearts < 1 && endClock == 0.0f) || lost) {
        wonNow = true;
        startTransition = true;
        transitionFailed = true;
        transitionDuration = 2.0f;
        fadeTime = 0.5f;
    } else if (wonNow) {
        startTransition = true;
        transitionFailed = false;
        transitionDuration = 6.0f;
        fadeTime = 0.5f;
    }
    // 21.-23. The lesson earns no rank emblem and no medal on the rosette,
    // also after its last frame has set up the next level (whose number the
    // World then holds) while the lesson's transition runs on.
    const bool lessonTransition = !startTransition && transitionLevel == guidedLevel;
    if (world->level == guidedLevel || lessonTransition) resultRank = 0;
    screens->drawTransition(Vector(0.0f, 0.0f, 0.0f), transitionFailed, stepEightSeconds, transitionDuration,
                            fadeTime, wonNow, resultRank, resultMedal);
    if (startTransition) {
        transitionClock = 0.0f;
        transitionLevel = world->level;
    }
    // 24. The transition clock runs with the real frame time, in the menu
    // as in the last second of a dance.
    if (transitionClock < transitionDuration) {
        TextBatch texts;
        TextScreens::transition(texts, transitionFailed, transitionClock, fadeTime, transitionDuration - 1.0f,
                                transitionLevel, resultRank, resultMedal);
        screens->print(texts);
        if (transitionClock == 0.0f) songStarted = false;
        transitionClock += seconds;
        if (transitionClock > songDelay && !songStarted && entered) {
            world->playSong(volume);
            songStarted = true;
        }
        if (transitionClock >= transitionDuration) world->score = 0;
    }
}

void Game::welcomeFrame(const InputSnapshot& in) {
    // 25. The first click only enters the menu.
    if (!entered && in.leftButton) {
        entered = true;
        screens->releaseTitlePictures();
        world->freeIntro();
        world->playSong(volume);
        songStarted = true;
        menuClock = 0.0f;
        paused = true;
        transitionClock = 10.0f;
    }
    // 26.
    if (!entered) {
        idleClock = 1.0f;
        menuClock = 0.0f;
        screens->drawTitle(1.0f);
        TextBatch texts;
        TextScreens::welcome(texts, totalClock);
        screens->print(texts);
        if (!introStarted) {
            world->playIntro(volume);
            introStarted = true;
        }
    }
}

NameEntryLink Game::linkNameEntry() {
    NameEntryLink link;
    link.shuffledLetters = world->shuffledLetters;
    link.letterCursor = &world->letterCursor;
    link.letterCount = world->letterCount;
    link.elapsed = world->nameEntryElapsed;
    link.limit = world->nameEntryLimit;
    link.nameEntry = &world->nameEntry;
    link.wrongClicks = &world->wrongClicks;
    link.letterFlag = &world->letterFlag;
    link.rightLetterFlag = &world->rightLetterFlag;
    link.wrongLetterFlag = &world->wrongLetterFlag;
    link.letterClocks = world->letterClocks;
    link.letterPositions = world->letterPositions;
    link.letterHits = world->letterHits;
    link.letterTest = [](const void* context, char c, int position) {
        return static_cast<const World*>(context)->letterMatches(c, position);
    };
    link.testContext = world;
    return link;
}

void Game::nameEntryFrame(const InputSnapshot& in, float seconds) {
    NameEntryLink link = linkNameEntry();
    bool letters[26];
    NameEntry::exchangeYZ(in.letters, letters);
    entry.takeInput(link, in.leftButton, letters, in.enter, in.backspace, seconds);

    LetterSlotView slots[NameEntry::nameLength];
    entry.animateSlots(link, seconds, slots);
    if (world->graphicsReady()) {
        WorldRenderer& paint = *world->textures;
        screens->resetView();
        for (int i = 0; i < NameEntry::nameLength; ++i) {
            const LetterSlotView& slot = slots[i];
            if (!slot.visible) {
                paint.clearTrail(static_cast<unsigned>(i), Kind::ballerina);
                continue;
            }
            const Vector at = slot.position;
            if (slot.flying) {
                paint.trailPainter().drawTrail(static_cast<unsigned>(i), Kind::ballerina, 0.0f, at.x, at.y, 0.0f,
                                               0.15f, 0.0f, 75, 255, 127, 0, seconds);
            }
            const char c = slot.letter;
            unsigned glyph = 0;
            if (c >= 'a' && c <= 'z') glyph = slot.capital ? 601u + (c - 'a') : 627u + (c - 'a');
            if (c >= 'A' && c <= 'Z') glyph = slot.capital ? 601u + (c - 'A') : 627u + (c - 'A');
            if (glyph != 0) paint.marks().drawLetter(glyph, at.x, at.y, 0.0f, 0.15f, 0.15f);
        }
    }

    TextBatch texts;
    TextScreens::nameEntry(texts, entry.typedCount, world->nameEntryLimit, world->nameEntryElapsed);
    screens->print(texts);

    entry.settle(link, in.backspace);
}
