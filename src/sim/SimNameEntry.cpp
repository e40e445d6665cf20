#include "sim/SimNameEntry.h"

#include "world/World.h"

void SimNameEntry::reset(std::int32_t mouseX) {
    entry = NameEntry{};
    previousMouseX = mouseX;
    scrollClock = 0.0f;
    wasNameEntry = false;
}

void SimNameEntry::moveCursor(World& world, std::int32_t mouseX, float seconds) {
    if (world.nameEntry) {
        if (mouseX > previousMouseX + 1 && scrollClock > scrollGuard) {
            world.letterCursor += 1;
            scrollClock = 0.0f;
        }
        if (mouseX < previousMouseX - 1 && scrollClock > scrollGuard) {
            world.letterCursor -= 1;
            scrollClock = 0.0f;
        }
        if (world.letterCursor > world.letterCount - 1) world.letterCursor = world.letterCount - 1;
        if (world.letterCursor < 0) world.letterCursor = 0;
    }
    previousMouseX = mouseX;
    scrollClock += seconds;
}

void SimNameEntry::afterUpdate(World& world, bool leftButton, float seconds) {
    if (world.nameEntry != wasNameEntry) entry.reset();
    if (world.nameEntry) {
        NameEntryLink link;
        link.shuffledLetters = world.shuffledLetters;
        link.letterCursor = &world.letterCursor;
        link.letterCount = world.letterCount;
        link.elapsed = world.nameEntryElapsed;
        link.limit = world.nameEntryLimit;
        link.nameEntry = &world.nameEntry;
        link.wrongClicks = &world.wrongClicks;
        link.letterFlag = &world.letterFlag;
        link.rightLetterFlag = &world.rightLetterFlag;
        link.wrongLetterFlag = &world.wrongLetterFlag;
        link.letterClocks = world.letterClocks;
        link.letterPositions = world.letterPositions;
        link.letterHits = world.letterHits;
        link.letterTest = [](const void* context, char c, int position) {
            return static_cast<const World*>(context)->letterMatches(c, position);
        };
        link.testContext = &world;

        // The simulation has no keyboard: no letter keys, Enter or Backspace.
        const bool noLetters[26] = {};
        entry.takeInput(link, leftButton, noLetters, false, false, seconds);
        LetterSlotView slots[NameEntry::nameLength];
        entry.animateSlots(link, seconds, slots);
        entry.settle(link, false);
    }
    wasNameEntry = world.nameEntry;
}
