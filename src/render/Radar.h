#pragma once

#include <cstdint>

#include "actors/Vector.h"

class StageMarks;

// One actor as the radar shows it.
struct RadarBlip {
    std::uint8_t kind = 0;
    Vector position;
    std::int32_t maximum = 0;   // maximum energy
    std::int32_t current = 0;   // energy
    float width = 0.0f;
    float height = 0.0f;
    float angle = 0.0f;
    bool hasTarget = false;     // target flag set and target weight above 0
    Vector target;
};

// The radar's measure: blips lie at position / scale around the anchor and
// are shown while closer than radius; sizeFactor scales their rings.
struct RadarScale {
    float radius = 0.0f;
    float scale = 1.0f;
    float sizeFactor = 0.0f;
};

// The farthest blip from the stage origin; the landmarks 135-138 count as 0.
float radarReach(const RadarBlip* blips, int count);
// In the game the farthest blip lands on the rim of radius mapScale, the
// zoom factor (1 at the game's zoom of 30) widening or narrowing the view;
// the preview has a fixed radius 4 and scale 20.
RadarScale radarScale(float reach, bool preview, float mapScale, float zoomFactor);
// The ring scale of a blip: its size x sizeFactor / scale x 4 (landmarks
// drawn smaller).
float radarBlipSize(std::uint8_t kind, float size, const RadarScale& measure);

// The overview of the stage drawn around the anchor of the ring labels: a
// status ring per actor and white lines to where the actors are heading.
// The World fills the blips each frame (highest slot first) and draws.
class Radar {
public:
    static constexpr int capacity = 200;

    explicit Radar(StageMarks& marks) : marks(marks) {}
    Radar(const Radar&) = delete;
    Radar& operator=(const Radar&) = delete;

    void clear() { used = 0; }
    void add(const RadarBlip& blip);
    int count() const { return used; }
    const RadarBlip& blip(int index) const { return blips[index < 0 || index >= used ? 0 : index]; }

    // Draws the blips. Outside the preview, with showLink, a line joins the
    // Prima Ballerina and her cat (both stage positions).
    void draw(Vector anchor, bool preview, float mapScale, float zoomFactor, bool showLink, Vector prima,
              Vector cat);

private:
    StageMarks& marks;
    RadarBlip blips[capacity];
    int used = 0;
};
