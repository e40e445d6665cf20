#include "render/Font.h"

#include <GL/gl.h>

#include <cstdio>

#include "render/TextureUpload.h"

Font::~Font() { deleteFont(); }

int Font::effectiveSet(int set) {
    if (set < 0) return 0;
    return set > 2 ? 2 : set;
}

int Font::listOfCharacter(int set, unsigned char character) {
    // Only printable ASCII has cells; anything else would address lists
    // outside its set or outside the font.
    if (character < 32 || character > 127) return -1;
    return effectiveSet(set) * listsPerSet + character - 32;
}

FontCell Font::cellOfList(int list) {
    const int column = list % 16;
    const int row = list / 16;
    FontCell cell;
    cell.sLeft = static_cast<float>(column) / 16.0f;
    cell.sRight = cell.sLeft + 1.0f / 16.0f;
    cell.tTop = 1.0f - static_cast<float>(row) / 16.0f;
    cell.tBottom = cell.tTop - 1.0f / 16.0f;
    return cell;
}

FontSetMetrics Font::metricsOfList(int list) {
    static constexpr FontSetMetrics metrics[3] = {{24, 10}, {32, 10}, {18, 8}};
    return metrics[effectiveSet(list / listsPerSet)];
}

void Font::buildFont() {
    deleteFont();
    makePictureTexture(fontPicture, pictureNumber, TextureWrap::unset);
    if (fontPicture != nullptr) fontPicture->releasePixels();
}

void Font::deleteFont() { deletePicture(fontPicture); }

void Font::print(float x, float y, int set, float alpha, float red, float green, float blue, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    vprint(x, y, set, alpha, red, green, blue, format, arguments);
    va_end(arguments);
}

void Font::vprint(float x, float y, int set, float alpha, float red, float green, float blue, const char* format,
                  std::va_list arguments) {
    if (format == nullptr || fontPicture == nullptr) return;
    char text[textBufferBytes];
    const int written = std::vsnprintf(text, sizeof text, format, arguments);
    if (written <= 0) return;

    // Each character's quad from (0, 0) to (size, size) past the advances
    // before it, as translating by each advance in turn would place it.
    GLsizei count = 0;
    float left = x;
    for (const char* c = text; *c != '\0'; ++c) {
        const int list = listOfCharacter(set, static_cast<unsigned char>(*c));
        if (list < 0) continue;
        const FontCell cell = cellOfList(list);
        const FontSetMetrics metrics = metricsOfList(list);
        const float size = static_cast<float>(metrics.size);
        const float quad[verticesPerCharacter * 4] = {
            left,        y,        cell.sLeft,  cell.tBottom,  //
            left + size, y,        cell.sRight, cell.tBottom,  //
            left + size, y + size, cell.sRight, cell.tTop,     //
            left,        y + size, cell.sLeft,  cell.tTop,
        };
        for (int v = 0; v < verticesPerCharacter; ++v) {
            positions[(count * verticesPerCharacter + v) * 2] = quad[v * 4];
            positions[(count * verticesPerCharacter + v) * 2 + 1] = quad[v * 4 + 1];
            texCoords[(count * verticesPerCharacter + v) * 2] = quad[v * 4 + 2];
            texCoords[(count * verticesPerCharacter + v) * 2 + 1] = quad[v * 4 + 3];
        }
        ++count;
        left += static_cast<float>(metrics.advance);
    }
    if (count == 0) return;

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 640.0, 0.0, 480.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(red, green, blue, alpha);
    bindPicture(fontPicture);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, positions);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glDrawArrays(GL_QUADS, 0, count * verticesPerCharacter);
    glPopClientAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
