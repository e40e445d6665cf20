#pragma once

#include <cstdint>

class StageCanvas;

// A colour of the marks, each channel 0.0 to 1.0.
struct MarkColour {
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
};

// The layers of a status ring: which pictures, in which colours.
struct StatusRingPlan {
    struct Layer {
        unsigned picture = 0;
        MarkColour colour;
    };
    Layer layers[6];
    int count = 0;
};

// The ring colour by kind (white for kinds without one of their own).
MarkColour statusRingColour(unsigned kind, std::int32_t maximum);
// The layers for a kind, a maximum and a current value: muses 854-856,
// talents 857-859, the Prima Ballerina, the dancers and blossoms 851-853,
// nothing for any other kind. The ratio current / maximum colours the
// measuring layer (0 for a maximum of 0).
StatusRingPlan planStatusRing(unsigned kind, std::int32_t maximum, std::int32_t current);

// Small marks on the stage: the status ring under an actor, the marker, and
// single letters of the name entry. Each draws in its own matrix push.
class StageMarks {
public:
    explicit StageMarks(StageCanvas& renderer) : renderer(renderer) {}
    StageMarks(const StageMarks&) = delete;
    StageMarks& operator=(const StageMarks&) = delete;

    // The ring shows current against maximum under an actor of the kind, at
    // offset + position, turned by angle. Kind 0 draws nothing.
    void drawStatusRing(unsigned kind, float x, float y, float z, float offsetX, float offsetY,
                        std::int32_t maximum, std::int32_t current, float scaleX, float scaleY, float angle);
    // Between these, rings drawn under the plain model-view matrix (loaded
    // with the identity) go out together, in order.
    void beginRings();
    void endRings();
    // The blue glow of picture 863 at (x, y, z) in stage coordinates.
    void drawMarker(float x, float y, float z);
    // One glyph picture (601-652 only; anything else draws nothing) in white.
    void drawLetter(unsigned picture, float x, float y, float z, float scaleX, float scaleY);

    // True for the glyph pictures drawLetter accepts.
    static bool isLetterPicture(unsigned picture) { return picture >= 601 && picture <= 652; }

private:
    StageCanvas& renderer;
};
