#pragma once

#include <cstdint>

#include "actors/Vector.h"

// The World's side of a name entry, as the game's part of it sees it: the
// shuffled letters with their cursor, the clocks, the wrong clicks, the
// three one-frame sound flags and, per letter slot, the fly-in clock and the
// animated place. The pointers lead into the World (or a test's own
// variables); letterTest asks whether a character is the one at a place of
// the chosen ballerina's name.
struct NameEntryLink {
    static constexpr int slotCount = 10;

    const char* shuffledLetters = nullptr;
    std::int32_t* letterCursor = nullptr;
    std::int32_t letterCount = 0;
    float elapsed = 0.0f;  // seconds since the entry began
    float limit = 9.0f;    // seconds the entry lasts
    bool* nameEntry = nullptr;
    std::int32_t* wrongClicks = nullptr;
    bool* letterFlag = nullptr;       // a letter was typed
    bool* rightLetterFlag = nullptr;  // the typed name is right so far
    bool* wrongLetterFlag = nullptr;  // a wrong letter
    float* letterClocks = nullptr;    // slotCount fly-in clocks
    Vector* letterPositions = nullptr;  // slotCount animated places
    const bool* letterHits = nullptr;   // slotCount: handed letter i was right
    bool (*letterTest)(const void* context, char c, int position) = nullptr;
    const void* testContext = nullptr;
};

// How one letter slot is to be drawn this frame.
struct LetterSlotView {
    bool visible = false;  // the slot holds a letter
    bool flying = false;   // still on its way in: draw its trail
    char letter = 0;
    bool capital = false;  // slot 0 shows the capital glyphs
    Vector position;       // stage units relative to the view
};

// The player's spelling of a ballerina's name: mouse clicks on the shuffled
// letters and letter keys turn into a typed name of up to ten letters; the
// typed letters fly into a row and, once all have arrived, the name is
// handed to the World, which compares it with hers. The steps of a frame
// are split so that the slots can be drawn between them:
// takeInput, animateSlots (then draw), settle.
class NameEntry {
public:
    static constexpr int nameLength = 10;
    static constexpr float clickInterval = 0.2f;  // at most one letter click per 0.2 s
    static constexpr float flyInSeconds = 0.4f;
    static constexpr float slotSpacing = 0.15f * 1.25f;
    static constexpr float slotY = 0.08f;

    // Clears the typed name, the first byte of the handed name and both counts.
    void reset();

    // Enter, the letter click, the letter keys (a..z, with y and z already
    // exchanged), Backspace, the end after too many wrong clicks and the
    // capital first letter.
    void takeInput(NameEntryLink& link, bool left, const bool (&letters)[26], bool enter, bool backspace,
                   float seconds);
    // Moves the typed letters along their fly-in and fills slots with how to
    // draw them; empty slots get their clocks reset.
    void animateSlots(NameEntryLink& link, float seconds, LetterSlotView (&slots)[nameLength]);
    // The verdict once the letters have arrived (or a Backspace was let go),
    // and the name handed to the World.
    void settle(NameEntryLink& link, bool backspace);
    // A frame without a name entry: the keys held now (y and z exchanged)
    // are what the next frame compares with, so a key held down when an
    // entry begins (an arrow key steering her, say) types nothing.
    void rememberKeys(const bool (&letters)[26], bool backspace);

    // The y key types z and the z key y.
    static void exchangeYZ(const bool (&in)[26], bool (&out)[26]);
    // Where slot i of a row of n typed letters sits.
    static Vector slotPlace(int slot, int typed);

    char typedName[nameLength] = {};
    char handedName[nameLength] = {};
    std::uint8_t typedCount = 0;
    std::uint8_t previousTypedCount = 0;
    bool backspaceWasDown = false;
    bool letterWasDown[26] = {};
    bool settled = false;
    bool wasSettled = false;
    float letterClock = 0.0f;

private:
    void type(NameEntryLink& link, char c);
    static void raise(bool* flag);
};
