#include "game/MenuLayout.h"

#include "world/Levels.h"

namespace MenuLayout {

namespace {

struct Region {
    float left, right, bottom, top;
    bool holds(float x, float y) const { return left < x && x < right && bottom < y && y < top; }
};

constexpr Region quitRegion{-0.7f, 0.52f, -1.96f, -1.48f};
constexpr Region playRegion{-1.9f, -0.57f, -1.96f, -1.48f};
constexpr Region pagePreviousRegion{-1.65f, -1.35f, -0.1f, 0.2f};
constexpr Region pageNextRegion{-1.1f, -0.8f, -0.1f, 0.2f};
constexpr Region volumeRegion{-0.25f, 1.75f, 1.65f, 1.95f};
constexpr Region levelDownRegion{-0.125f, 0.175f, -1.7f, -1.4f};
constexpr Region levelUpRegion{-0.125f, 0.175f, -1.15f, -0.85f};

// The guided-dance button: centre, half sizes and the shift of its x.
constexpr float guidedCentreX = -2.65f;
constexpr float guidedCentreY = 1.85f;
constexpr float guidedHalfWidth = 0.2f;
constexpr float guidedHalfHeight = 0.1f;
constexpr float guidedShift = 0.25f;

}  // namespace

bool inGuidedButton(float x, float y) {
    const float centreX = guidedCentreX + guidedShift;
    const Region region{centreX - guidedHalfWidth, centreX + guidedHalfWidth, guidedCentreY - guidedHalfHeight,
                        guidedCentreY + guidedHalfHeight};
    return region.holds(x, y);
}

bool inVolumeSlider(float x, float y) { return volumeRegion.holds(x, y); }
bool inLevelDown(float x, float y) { return levelDownRegion.holds(x, y); }
bool inLevelUp(float x, float y) { return levelUpRegion.holds(x, y); }
bool inQuit(float x, float y) { return quitRegion.holds(x, y); }
bool inPlay(float x, float y) { return playRegion.holds(x, y); }
bool inPagePrevious(float x, float y) { return pagePreviousRegion.holds(x, y); }
bool inPageNext(float x, float y) { return pageNextRegion.holds(x, y); }

std::uint32_t hitTest(float x, float y) {
    std::uint32_t code = Hover::nothing;
    if (quitRegion.holds(x, y)) code = Hover::quit;
    if (playRegion.holds(x, y)) code = Hover::play;
    if (inGuidedButton(x, y)) code = Hover::guidedDance;
    if (pagePreviousRegion.holds(x, y)) code = Hover::pagePrevious;
    if (pageNextRegion.holds(x, y)) code = Hover::pageNext;
    return code;
}

int hoverSound(std::uint32_t code) {
    switch (code) {
    case Hover::play: return 1;
    case Hover::quit: return 2;
    case Hover::guidedDance: return -1;
    case Hover::pagePrevious:
    case Hover::pageNext: return 4;
    default: return 0;
    }
}

float volumeAt(float x) { return (x + 0.25f) / 2.0f; }
float sliderAt(float volume) { return volume * 2.0f - 0.25f; }

std::uint8_t stepSelector(std::uint8_t selected, std::uint8_t highestLevel, bool up) {
    int next = selected;
    if (up) {
        next += 1;
        if (next > highestLevel && next == guidedDanceLevel + 1) next = 1;
        if (next > highestLevel && next != guidedDanceLevel) next = guidedDanceLevel;
    } else {
        next -= 1;
        if (next == 0) next = guidedDanceLevel;
        if (next > highestLevel && next != guidedDanceLevel) next = highestLevel;
    }
    return static_cast<std::uint8_t>(next);
}

}  // namespace MenuLayout
