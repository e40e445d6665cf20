#pragma once

#include <cstdint>

#include "actors/Vector.h"
#include "render/TrailBuffers.h"

class StageCanvas;

// How the trail of a kind looks: its picture, how fast its texture scrolls
// and how far it is stretched along the trail. Category 0: no trail.
struct TrailStyle {
    int category = 0;
    unsigned picture = 0;
    float scrollSpeed = 1.0f;
    float stretch = 1.0f;
};
TrailStyle trailStyleOf(unsigned kind);

// The number of points a trail uses for a trail length setting: 48 at most,
// at least 1.
int usedTrailLength(std::uint8_t setting);

// Whether an actor's trail records this frame: a gate value of gateLimit or
// more stops it, except for the cat and the blossoms.
bool trailRecords(float gate, float gateLimit, unsigned kind);

// Adds the frame time to the sampling timer; once it exceeds period / n the
// points move one place back and the position becomes point 1 (flag 4).
// Returns true when a point was taken.
bool sampleTrail(Trail& trail, int n, float period, Vector position, std::int32_t value, float frameTime);

// The alpha of point j of an n-point trail: fading toward its end.
float trailFade(int j, int n);

// Two vertices across the trail at one point: "left" has texture t = 1,
// "right" t = 0; s runs along the trail.
struct TrailPair {
    float leftX = 0.0f, leftY = 0.0f;
    float rightX = 0.0f, rightY = 0.0f;
    float z = 0.0f;
    float s = 0.0f;
    float alpha = 0.0f;
    int point = 0;
};

// The strip of a trail, in emission order: for k from 2 while k < n - 2, the
// pairs of points k and k + 1 when both are flagged and neither lies at
// (0, 0), then k moves on past them. Returns the number of pairs written
// (at most capacity).
int buildTrailStrip(const Trail& trail, int n, float halfWidth, float scroll, float stretch, TrailPair* out,
                    int capacity);

// Records and draws the actors' fading trails (and the name entry's flying
// letters) from the StageCanvas's trail buffers.
class TrailPainter {
public:
    static constexpr std::uint8_t defaultLength = 60;
    static constexpr float defaultPeriod = 1.0f;
    static constexpr float defaultGateLimit = 1.49f;

    explicit TrailPainter(StageCanvas& renderer) : renderer(renderer) {}
    TrailPainter(const TrailPainter&) = delete;
    TrailPainter& operator=(const TrailPainter&) = delete;

    // Records the position into the actor's trail and draws the trail as one
    // triangle strip, (sizeA + sizeB) / 2 wide on each side, in the colour
    // (0-255) fading toward its end. The value is kept with the point.
    void drawTrail(unsigned slot, unsigned kind, float gate, float x, float y, float z, float sizeA, float sizeB,
                   std::int32_t value, std::uint8_t red, std::uint8_t green, std::uint8_t blue, float frameTime);

    std::uint8_t trailLength = defaultLength;
    float trailPeriod = defaultPeriod;
    float gateLimit = defaultGateLimit;

private:
    StageCanvas& renderer;
    TrailPair pairs[Trail::pointCount];
};
