#pragma once

#include <cstdint>

class StageCanvas;
class RingLabels;

// The hearts of the information badge: how many places and hearts a maximum
// and an energy give, and each heart's scale from frame to frame.
class BadgeHearts {
public:
    static constexpr int maxPlaces = 40;
    static constexpr float restScale = 0.1125f;
    static constexpr float arrivalScale = 0.2f;

    // Heart places: maximum / 10, at most 40.
    static int placesFor(std::int32_t maximum);
    // Hearts: (maximum - energy) / places, 0 up to the places.
    static int heartsFor(std::int32_t maximum, std::int32_t energy);

    // One frame: a heart new since the last frame arrives at 0.2; hearts at
    // 0.1125 or above shrink by 0.1 per second; from 50 energy up a heart
    // rests at 0.1125, below 50 every heart swells and shrinks with the
    // common pulse, faster as the energy falls. Returns the number of hearts.
    int update(std::int32_t maximum, std::int32_t energy, float frameTime);

    float scale(int heart) const { return heart >= 0 && heart < maxPlaces ? scales[heart] : 0.0f; }
    int previousCount() const { return lastCount; }
    float pulse() const { return pulseValue; }

private:
    float scales[maxPlaces] = {};
    int lastCount = 0;
    float pulseValue = 0.0f;
    float pulseRate = 0.0f;
};

// What a badge shows.
struct BadgeContent {
    unsigned kind = 0;
    std::int32_t maximum = 0;
    std::int32_t energy = 0;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float size = 0.0f;
    std::uint8_t talents[3] = {};  // the first, second and third talent category (blue, green, red)
    const char* title = "";        // at most 10 characters are shown; "?" pulses
    const char* description = "";
};

// The information badge over the actor under the cat: a disc with the talent
// sockets and owned talents of a dancer, the heart sockets and hearts, the
// description turning around it and the title beneath. Keeps its text angle,
// the hearts and the question mark's pulse from frame to frame.
class Badge {
public:
    Badge(StageCanvas& renderer, RingLabels& labels) : renderer(renderer), labels(labels) {}
    Badge(const Badge&) = delete;
    Badge& operator=(const Badge&) = delete;

    // Draws the badge; nothing unless the energy is above 0 and the kind is not 0.
    void draw(const BadgeContent& content, float frameTime);

    // Radius factor of the description and the title's distance below the centre, by kind.
    static float descriptionRadius(unsigned kind);
    static float titleDrop(unsigned kind);
    // Advances the turning description by a frame: 100 degrees per second
    // clockwise, back to 3600 on reaching 0.
    static float turnText(float angle, float frameTime);

    const BadgeHearts& hearts() const { return heartState; }
    float textAngle() const { return descriptionAngle; }

private:
    void drawSockets(const BadgeContent& content);
    void drawHearts(const BadgeContent& content, int hearts);
    void drawDescription(const BadgeContent& content);
    void drawTitle(const BadgeContent& content, float frameTime);

    StageCanvas& renderer;
    RingLabels& labels;
    BadgeHearts heartState;
    float descriptionAngle = 0.0f;
    float questionSize = 0.0f;
};
