#pragma once

#include <cstdint>

// Where the letters of a ring label go, worked out without drawing. A label
// writes its text into 54 slots along an arc; slots whose character has no
// glyph the label accepts keep their place but draw nothing.

// Which glyph pictures a label accepts for a character.
enum class GlyphMapping {
    digitsAndSmall,  // the points label: digits 654-663 and small letters 627-652
    name,            // the first character a capital (601-626), the rest small; only letters
    small,           // small letters only
    hint,            // the first a capital; later capitals keep theirs, the rest small; only letters
    description,     // letters as small letters (capitals too)
};

// The glyph picture of the character at text position index, or 0 for none.
unsigned glyphPicture(char c, int index, GlyphMapping mapping);

struct RingGlyph {
    int slot = 0;
    unsigned picture = 0;
    float angle = 0.0f;  // degrees around the centre
};

// The glyphs of one label in slot order.
struct RingLayout {
    static constexpr int slots = 54;
    RingGlyph glyphs[slots];
    int count = 0;
};

// The label's text buffer: the text cut at 54 characters, the rest filled
// with `fill` (0, or "`" for the points and talent labels). Returns the
// text's length.
int fillLabelText(const char* text, char fill, char (&buffer)[RingLayout::slots + 1]);

// Lays the 54 slots out from the start angle, moving by one step before each
// slot (down: the angle decreases).
void layoutRing(const char (&buffer)[RingLayout::slots + 1], float startAngle, float step, bool down,
                GlyphMapping mapping, RingLayout& out);

// The members' arcs.
namespace RingArcs {
constexpr float pointsStep = 540.0f / 54.0f;
constexpr float nameStep = 450.0f / 54.0f;
constexpr float entryStep = 650.0f / 54.0f;
constexpr float talentStep = 270.0f / 54.0f;
constexpr float descriptionStep = 360.0f / 54.0f;

// "1234 points" into the buffer; 230 degrees less 10 for each digit beyond the first.
float pointsStart(std::int32_t points, char (&buffer)[RingLayout::slots + 1]);
float nameStart(int length);        // 94 + length x step / 2, running down
float entryStart(int length);       // 97 + length x step / 2, running down
float previewStart(int length);     // 265 - length x step / 2, running up

// The talent ring's three words and where each starts: "garden" 160,
// "flowers" 218, "speed" 270 degrees (index 0-2; anything else gives "").
constexpr int talentWordCount = 3;
const char* talentWord(int index);
float talentWordStart(int index);
}  // namespace RingArcs

// The hint line's wave: (duration - min(3 x elapsed, duration)) x 18 degrees
// per letter, flat once a third of the duration has passed.
float hintWavePhase(float duration, float elapsed);
// Height of letter i of the hint line above the line.
float hintWaveOffset(float phase, int index);

// How often a badge description goes around its circle by length: once from
// 25 characters, twice from 15, three times from 10, else four times.
int descriptionRepeats(int length);
