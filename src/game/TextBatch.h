#pragma once

#include <cstdarg>
#include <cstdio>

// One line of screen text: where it goes in the 640 x 480 text space (y
// up), its character set, its colour in the font's order (alpha first) and
// the finished text.
struct TextLine {
    static constexpr int textSize = 64;
    float x = 0.0f;
    float y = 0.0f;
    int set = 0;
    float alpha = 1.0f;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    char text[textSize] = {};
};

// The texts of one screen for one frame, in drawing order. Lines beyond the
// capacity are dropped; texts longer than a line holds are cut.
class TextBatch {
public:
    static constexpr int capacity = 40;

    void clear() { count = 0; }
    int size() const { return count; }
    const TextLine& operator[](int i) const { return lines[i]; }

    // White text.
    void add(float x, float y, int set, const char* format, ...) __attribute__((format(printf, 5, 6))) {
        std::va_list arguments;
        va_start(arguments, format);
        addv(x, y, set, 1.0f, 1.0f, 1.0f, 1.0f, format, arguments);
        va_end(arguments);
    }
    // Text in a colour, alpha first as the font takes it.
    void addColoured(float x, float y, int set, float alpha, float red, float green, float blue, const char* format,
                     ...) __attribute__((format(printf, 9, 10))) {
        std::va_list arguments;
        va_start(arguments, format);
        addv(x, y, set, alpha, red, green, blue, format, arguments);
        va_end(arguments);
    }

    // The first line whose text is exactly text, or null.
    const TextLine* find(const char* text) const;

private:
    void addv(float x, float y, int set, float alpha, float red, float green, float blue, const char* format,
              std::va_list arguments) {
        if (count >= capacity) return;
        TextLine& line = lines[count++];
        line = TextLine{};
        line.x = x;
        line.y = y;
        line.set = set;
        line.alpha = alpha;
        line.red = red;
        line.green = green;
        line.blue = blue;
        std::vsnprintf(line.text, sizeof line.text, format, arguments);
    }

    TextLine lines[capacity];
    int count = 0;
};
