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
    firstListName = glGenLists(listCount);
    if (firstListName == 0) return;
    bindPicture(fontPicture);
    for (int n = 0; n < listCount; ++n) {
        const FontCell cell = cellOfList(n);
        const FontSetMetrics metrics = metricsOfList(n);
        glNewList(firstListName + static_cast<GLuint>(n), GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(cell.sLeft, cell.tBottom);
        glVertex2i(0, 0);
        glTexCoord2f(cell.sRight, cell.tBottom);
        glVertex2i(metrics.size, 0);
        glTexCoord2f(cell.sRight, cell.tTop);
        glVertex2i(metrics.size, metrics.size);
        glTexCoord2f(cell.sLeft, cell.tTop);
        glVertex2i(0, metrics.size);
        glEnd();
        glTranslated(metrics.advance, 0.0, 0.0);
        glEndList();
    }
}

void Font::deleteFont() {
    deletePicture(fontPicture);
    if (firstListName != 0) glDeleteLists(firstListName, listCount);
    firstListName = 0;
}

void Font::print(float x, float y, int set, float alpha, float red, float green, float blue, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    vprint(x, y, set, alpha, red, green, blue, format, arguments);
    va_end(arguments);
}

void Font::vprint(float x, float y, int set, float alpha, float red, float green, float blue, const char* format,
                  std::va_list arguments) {
    if (format == nullptr || firstListName == 0) return;
    char text[textBufferBytes];
    const int written = std::vsnprintf(text, sizeof text, format, arguments);
    if (written <= 0) return;

    GLuint lists[textBufferBytes];
    GLsizei count = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const int list = listOfCharacter(set, static_cast<unsigned char>(*c));
        if (list >= 0) lists[count++] = static_cast<GLuint>(list);
    }
    if (count == 0) return;

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 640.0, 0.0, 480.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, 0.0f);
    glColor4f(red, green, blue, alpha);
    bindPicture(fontPicture);
    glListBase(firstListName);
    glCallLists(count, GL_UNSIGNED_INT, lists);
    glListBase(0);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
