#pragma once

#include <cstdint>

// One textured square of a screen: picture number, centre and half sizes
// in stage units, turn in degrees and the colour it is tinted with.
struct PictureCommand {
    std::uint16_t number = 0;
    float x = 0.0f;
    float y = 0.0f;
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    float angle = 0.0f;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
};

// The squares of one screen for one frame, in drawing order. What is drawn
// is decided outside the render code; the painter only draws the list.
// Squares beyond the capacity are dropped.
class PictureBatch {
public:
    static constexpr int capacity = 400;

    void clear() { count = 0; }
    int size() const { return count; }
    const PictureCommand& operator[](int i) const { return commands[i]; }

    void add(std::uint16_t number, float x, float y, float halfWidth, float halfHeight, float angle = 0.0f,
             float red = 1.0f, float green = 1.0f, float blue = 1.0f, float alpha = 1.0f) {
        if (count >= capacity) return;
        commands[count++] = PictureCommand{number, x, y, halfWidth, halfHeight, angle, red, green, blue, alpha};
    }

    // How many squares show the picture, and the first of them (or null).
    int countOf(std::uint16_t number) const {
        int n = 0;
        for (int i = 0; i < count; ++i) n += commands[i].number == number ? 1 : 0;
        return n;
    }
    const PictureCommand* find(std::uint16_t number) const {
        for (int i = 0; i < count; ++i) {
            if (commands[i].number == number) return &commands[i];
        }
        return nullptr;
    }

private:
    PictureCommand commands[capacity];
    int count = 0;
};
