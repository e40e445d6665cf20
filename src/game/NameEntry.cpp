#include "game/NameEntry.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr float pi = 3.14159265f;
constexpr int wrongClicksAllowed = 3;
constexpr float wrongClickGrace = 1.0f;  // the entry cannot end this way in its first second
constexpr float startSpread = 3.0f;

bool isLower(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

void NameEntry::reset() {
    std::memset(typedName, 0, sizeof typedName);
    handedName[0] = 0;
    typedCount = 0;
    previousTypedCount = 0;
}

void NameEntry::raise(bool* flag) {
    if (flag != nullptr) *flag = true;
}

void NameEntry::exchangeYZ(const bool (&in)[26], bool (&out)[26]) {
    for (int k = 0; k < 26; ++k) out[k] = in[k];
    out['y' - 'a'] = in['z' - 'a'];
    out['z' - 'a'] = in['y' - 'a'];
}

Vector NameEntry::slotPlace(int slot, int typed) {
    // The row stays centred as it grows.
    return Vector(-(static_cast<float>(typed) * slotSpacing * 0.5f) + static_cast<float>(slot) * slotSpacing, slotY);
}

void NameEntry::type(NameEntryLink& link, char c) {
    // Names have ten letters at most; anything typed beyond is ignored.
    if (typedCount >= nameLength) return;
    typedName[typedCount] = c;
    typedCount += 1;
    raise(link.letterFlag);
}

void NameEntry::takeInput(NameEntryLink& link, bool left, const bool (&letters)[26], bool enter, bool backspace,
                          float seconds) {
    if (enter) reset();
    if (link.letterFlag != nullptr) *link.letterFlag = false;

    // A click types the letter under the cursor, if it is the next one of her name.
    if (left && letterClock > clickInterval && link.elapsed > clickInterval) {
        const std::int32_t cursor = link.letterCursor != nullptr ? *link.letterCursor : -1;
        const bool onLetter = link.shuffledLetters != nullptr && cursor >= 0 && cursor < link.letterCount;
        if (onLetter && typedCount < nameLength) {
            const char c = link.shuffledLetters[cursor];
            const bool right = link.letterTest != nullptr && link.letterTest(link.testContext, c, typedCount);
            if (right) {
                type(link, c);
            } else {
                raise(link.wrongLetterFlag);
                if (link.wrongClicks != nullptr) *link.wrongClicks += 1;
            }
        }
        letterClock = 0.0f;
    }
    letterClock += seconds;

    // Keys type once per press; they are not tested here, the World judges the whole name.
    for (int k = 0; k < 26; ++k) {
        if (letters[k] && !letterWasDown[k]) type(link, static_cast<char>('a' + k));
    }

    bool letterHeld = false;
    for (const bool down : letterWasDown) letterHeld = letterHeld || down;
    if (backspace && !backspaceWasDown && !letterHeld) {
        if (typedCount > 0) typedCount -= 1;
        typedName[typedCount] = 0;
    }

    if (typedCount > previousTypedCount && typedCount < nameLength && link.letterClocks != nullptr) {
        link.letterClocks[typedCount] = 0.0f;
    }
    previousTypedCount = typedCount;

    const bool tooMany = link.wrongClicks != nullptr && *link.wrongClicks > wrongClicksAllowed;
    if (tooMany && link.elapsed > wrongClickGrace) {
        if (link.nameEntry != nullptr) *link.nameEntry = false;
        if (link.letterCursor != nullptr) *link.letterCursor = 0;
        *link.wrongClicks = 0;
    }

    // Names begin with a capital.
    if (isLower(typedName[0])) typedName[0] = static_cast<char>(typedName[0] - 'a' + 'A');

    for (int k = 0; k < 26; ++k) letterWasDown[k] = letters[k];
}

void NameEntry::animateSlots(NameEntryLink& link, float seconds, LetterSlotView (&slots)[nameLength]) {
    for (int i = 0; i < nameLength; ++i) {
        LetterSlotView& view = slots[i];
        view = LetterSlotView{};
        const Vector place = slotPlace(i, typedCount);
        // A fresh start point every frame; only a letter whose clock is 0 uses it.
        const float startX = static_cast<float>(std::rand() % 6) - startSpread;
        const float startY = (std::rand() & 1) != 0 ? startSpread : -startSpread;
        if (link.letterClocks == nullptr || link.letterPositions == nullptr) continue;
        float& clock = link.letterClocks[i];
        Vector& position = link.letterPositions[i];
        const char letter = typedName[i];
        if (letter == 0) {
            clock = 0.0f;
            continue;
        }
        view.visible = true;
        view.letter = letter;
        view.capital = i == 0;
        if (clock == 0.0f) position = Vector(startX, startY);
        const float before = clock;
        clock += seconds;
        if (clock < flyInSeconds) {
            // The share of the remaining way that this frame covers, so that
            // the letter arrives just as its clock reaches the fly-in time.
            const float remaining = flyInSeconds - before;
            const float share = remaining > 0.0f ? std::fmin(seconds / remaining, 1.0f) : 1.0f;
            position += (place - position) * share;
            const float swing = std::sin(clock / flyInSeconds * pi);
            view.position = Vector(position.x + swing, position.y);
            view.flying = true;
        } else {
            position = place;
            view.position = place;
        }
    }
}

void NameEntry::rememberKeys(const bool (&letters)[26], bool backspace) {
    for (int k = 0; k < 26; ++k) letterWasDown[k] = letters[k];
    backspaceWasDown = backspace;
}

void NameEntry::settle(NameEntryLink& link, bool backspace) {
    if ((settled && !wasSettled) || (!backspace && backspaceWasDown)) {
        int looked = 0;
        bool right = true;
        for (int i = 0; i < nameLength && handedName[i] != 0; ++i) {
            ++looked;
            if (link.letterHits == nullptr || !link.letterHits[i]) {
                right = false;
                break;
            }
        }
        if (looked > 0) raise(right ? link.rightLetterFlag : link.wrongLetterFlag);
    }
    wasSettled = settled;
    backspaceWasDown = backspace;

    settled = true;
    for (int i = 0; i < nameLength; ++i) {
        const bool arriving = link.letterClocks != nullptr && link.letterClocks[i] < flyInSeconds;
        if (typedName[i] != 0 && arriving) settled = false;
    }
    std::memset(handedName, 0, sizeof handedName);
    if (settled) std::memcpy(handedName, typedName, sizeof handedName);
}
