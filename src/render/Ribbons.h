#pragma once

#include <cstdint>

class StageCanvas;

// The unit vector across a line from A to B, (cos a, sin a) for a the
// heading angle of B - A: it points to the right of the line's direction.
// (1, 0) for a line of no length.
void acrossLine(float ax, float ay, float bx, float by, float& acrossX, float& acrossY);

// Ribbons between two points: the link between the cat and the Prima
// Ballerina or a dragged actor's pull, and the beam with its moving overlay.
class Ribbons {
public:
    static constexpr float halfWidth = 0.05f;

    explicit Ribbons(StageCanvas& renderer) : renderer(renderer) {}
    Ribbons(const Ribbons&) = delete;
    Ribbons& operator=(const Ribbons&) = delete;

    // A strip of picture 861 from A to B and the end square of picture 872 at
    // A, in (red, green, blue) / 255 with alpha a percentage.
    void drawLinkRibbon(float ax, float ay, float az, float bx, float by, float bz, std::uint8_t red,
                        std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);
    // Picture 869 repeated four times per unit from A to B; with flag 1 (low
    // byte) a yellow overlay of picture 865 moving along it by 0.05 per draw.
    void drawBeam(float ax, float ay, float az, float bx, float by, std::uint32_t flag, std::uint8_t red,
                  std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);

private:
    StageCanvas& renderer;
    float beamOffset = 0.0f;
};
