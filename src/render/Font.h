#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include "image/Picture.h"

// Where list n of the font takes its character from: column n mod 16, row
// n div 16 counted from the top of the picture. Rows 16 and above give
// negative t, which the repeat wrap maps back onto rows 0 and above.
struct FontCell {
    float sLeft = 0.0f;
    float sRight = 0.0f;
    float tBottom = 0.0f;
    float tTop = 0.0f;
};

// Quad size and advance of a character set, in the 640 x 480 text space.
struct FontSetMetrics {
    int size = 0;
    int advance = 0;
};

// The plain-text font: picture 476 cut into a 16 x 16 grid, one cell per
// character ("list" n below), three character sets (0: 24 px, advance 10;
// 1: 32 px, advance 10, lower half of the picture; 2: 18 px, advance 8). A
// text goes out as one draw call of its characters' quads. The screen
// renderer holds one. Construction makes no OpenGL call.
class Font {
public:
    static constexpr unsigned pictureNumber = 476;
    static constexpr int listsPerSet = 128;
    static constexpr std::size_t textBufferBytes = 260;  // the text and its terminating zero

    Font() = default;
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Makes the texture of 476.tga (no wrap parameters, so it repeats).
    // Needs a current OpenGL context.
    void buildFont();
    // Deletes the picture with its texture.
    void deleteFont();
    bool isBuilt() const { return fontPicture != nullptr; }

    // Formats the text (at most 259 characters are kept) and draws it with its
    // lower left at (x, y) of the 640 x 480 text space, in character set `set`
    // (above 2 counts as 2) and the colour (each 0 to 1). Characters outside
    // 32-127 are skipped. Both matrices are left as they were, the matrix
    // mode at model-view; the bound texture and the colour change.
    void print(float x, float y, int set, float alpha, float red, float green, float blue, const char* format, ...)
        __attribute__((format(printf, 9, 10)));
    void vprint(float x, float y, int set, float alpha, float red, float green, float blue, const char* format,
                std::va_list arguments);

    const Picture* picture() const { return fontPicture; }

    // Sets above 2 print with set 2; below 0 with set 0.
    static int effectiveSet(int set);
    // The list (0-384) of a character in a set, or -1 for a skipped character.
    static int listOfCharacter(int set, unsigned char character);
    static FontCell cellOfList(int list);
    static FontSetMetrics metricsOfList(int list);

private:
    static constexpr int verticesPerCharacter = 4;
    Picture* fontPicture = nullptr;
    // The quads of the text being printed: positions and texture coordinates.
    float positions[textBufferBytes * verticesPerCharacter * 2] = {};
    float texCoords[textBufferBytes * verticesPerCharacter * 2] = {};
};
