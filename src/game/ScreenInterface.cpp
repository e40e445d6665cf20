// The interface around a running dance: text panels, the dial with the
// talent arc and the hearts, the guide pointers, the menu spot, the name
// entry's disc and clock, and the marks of the ballerinas and muses.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/ScreenRenderer.h"
#include "world/Levels.h"

namespace {

constexpr float degrees = 3.14159265f / 180.0f;

// The dial in the top right corner; the talents and hearts circle it.
constexpr float dialX = 2.35f;
constexpr float dialY = 1.75f;
constexpr float talentRadius = 0.625f;
constexpr float heartRadius = 0.4f;

// Talents: arc slots 0-2 blue, 3-5 red, 6-8 green; the World counts them
// blue, green, red.
constexpr int talentCountIndex[3] = {0, 2, 1};
constexpr std::uint16_t talentSet[3] = {8861, 8881, 8871};
constexpr std::uint16_t talentSocket[3] = {883, 885, 884};
constexpr float talentRest = 0.145f;
constexpr float talentNew = 0.35f;
constexpr float talentShrink = 0.8f;    // half size per second back to rest
constexpr float sparkleSeconds = 0.25f;

constexpr float heartNew = 0.2f;
constexpr float heartHeld = 0.15f;
constexpr float heartTense = 0.12f;     // between 40 and 50 energy the hearts sink a little
constexpr float heartShrink = 0.1f;

// The ballerina marks, in rows from (-1.9, -1.8) downwards.
constexpr float marksX = -1.9f;
constexpr float marksY = -1.8f;
constexpr float marksStep = 0.13f;
constexpr int marksPerRow = 12;
constexpr float needMarkSize = 0.065f;
constexpr float leftMarkStart = 0.4f;
constexpr float leftMarkRest = 0.1f;
constexpr float leftMarkShrink = 0.1f;

// Muse marks run down the right edge under the dial.
constexpr float museX = 2.65f;
constexpr float museY = 0.95f;

float arcX(float radius, float angle) { return dialX + radius * std::cos(angle * degrees); }
float arcY(float radius, float angle) { return dialY + radius * std::sin(angle * degrees); }

std::uint8_t byteOf(std::int32_t value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

}  // namespace

void ScreenRenderer::composeInterface(const InterfaceView& v, HudMarks& marks, PictureBatch& out) {
    const float dt = v.seconds;
    interfaceClock += dt;

    // 1. Panels behind the texts.
    if (v.level == guidedDanceLevel) {
        out.add(900, -0.675f, 1.45f, 2.1f, 0.625f);
        out.add(902, -2.5f, 1.85f, 0.3f, 0.15f);
    }
    if (v.waitForClick) {
        out.add(900, -0.25f, -1.3f, 1.1f, 0.25f);
        out.add(902, -1.05f, -1.3f, 0.4f, 0.2f);
        if (v.level != guidedDanceLevel) {
            out.add(900, -0.675f, 1.8f, 2.1f, 0.275f);
            out.add(902, -2.45f, 1.8f, 0.4f, 0.2f);
        }
    }
    if (v.hintShown) out.add(902, -2.45f, 1.85f, 0.4f, 0.2f);

    // 2. The dial turns with the frame time.
    dial += 100.0f * dt;
    if (dial >= 360.0f) dial = 0.0f;
    out.add(890, dialX, dialY, 0.5f, 0.5f);
    out.add(891, dialX, dialY, 0.32f, 0.32f, dial);
    out.add(892, dialX, dialY, 0.445f, 0.42f);

    // 3. and 4.
    composeTalents(v, marks, out);
    composeHearts(v, marks, out);

    // 5. Guide pointers, while there is something to point at.
    for (int k = 0; k < InterfaceView::guideCount; ++k) {
        const Vector at = v.guides[k];
        const bool shown = at.x != 0.0f && at.y != 0.0f && !v.nameEntry;
        if (!shown) {
            marks[1][k] = 0;
            continue;
        }
        // A pointer pops up larger when it appears.
        if (marks[1][k] == 0) guidePop[k] = 0.1f;
        guidePop[k] = std::max(0.0f, guidePop[k] - 0.2f * dt);
        marks[1][k] = 1;
        const float size = (k == 0 ? 0.15f : 0.12f) + guidePop[k];
        const float alpha = k == 0 ? 1.0f : 0.8f;
        const auto picture = static_cast<std::uint16_t>(8961 + 2 * k);
        out.add(picture, at.x, at.y, size, size, v.guideAngles[k], 1, 1, 1, alpha);
        out.add(static_cast<std::uint16_t>(picture + 1), at.x, at.y, size, size, v.guideAngles[k], 1, 1, 1, alpha);
    }

    // 6. The menu spot.
    out.add(898, -2.6f, -1.9f, 0.4f, 0.4f);
    if (v.pointerOnMenuSpot) out.add(899, -2.5f, -1.8f, 0.6f, 0.6f);

    // 7. and 8.
    if (v.nameEntry) composeNameEntry(v, out);
    composeMarks(v, marks, out);
    composeExtras(v, out);
}

void ScreenRenderer::composeTalents(const InterfaceView& v, HudMarks& marks, PictureBatch& out) {
    for (int slot = 0; slot < talentSlots; ++slot) {
        out.add(talentSocket[slot / 3], arcX(talentRadius, 155.0f + 20.0f * slot),
                arcY(talentRadius, 155.0f + 20.0f * slot), 0.15f, 0.15f);
    }
    for (int colour = 0; colour < 3; ++colour) {
        const int index = talentCountIndex[colour];
        const int count = std::min<int>(v.talents[index], 3);
        const int before = marks[0][index];
        for (int k = 0; k < 3; ++k) {
            const int slot = colour * 3 + k;
            if (k >= count) {
                talentSize[slot] = 0.0f;
                continue;
            }
            if (k >= before || talentSize[slot] <= 0.0f) talentSize[slot] = k >= before ? talentNew : talentRest;
            talentSize[slot] = std::max(talentRest, talentSize[slot] - talentShrink * v.seconds);
            // Now and then a talent sparkles: its set's other three pictures in a quarter second.
            if (talentSparkle[slot] > 0.0f) {
                talentSparkle[slot] = std::max(0.0f, talentSparkle[slot] - v.seconds);
            } else {
                talentWait[slot] -= v.seconds;
                if (talentWait[slot] <= 0.0f) {
                    talentWait[slot] = static_cast<float>(std::rand() % 3 + 2);
                    talentSparkle[slot] = sparkleSeconds;
                }
            }
            int frame = 0;
            if (talentSparkle[slot] > 0.0f) {
                const float run = (sparkleSeconds - talentSparkle[slot]) / sparkleSeconds;
                frame = 1 + std::min(2, static_cast<int>(run * 3.0f));
            }
            const float angle = 155.0f + 60.0f * colour + 20.0f * k;
            out.add(static_cast<std::uint16_t>(talentSet[colour] + frame), arcX(talentRadius, angle),
                    arcY(talentRadius, angle), talentSize[slot], talentSize[slot]);
        }
        marks[0][index] = static_cast<std::uint8_t>(count);
    }
}

void ScreenRenderer::composeHearts(const InterfaceView& v, HudMarks& marks, PictureBatch& out) {
    const std::int32_t energy = v.primaHearts;
    const int filled = std::clamp((100 - energy) / 10, 0, heartCount);
    const int before = marks[0][3];
    // Below 40 the hearts beat, faster the less energy is left.
    if (energy < 40) {
        const float rate = energy > 0 ? std::min(2.0f / static_cast<float>(energy), 0.4f) : 0.4f;
        pulseSize += pulseDirection * rate * v.seconds;
        if (pulseSize > 0.2f) {
            pulseSize = 0.2f;
            pulseDirection = -1.0f;
        } else if (pulseSize < 0.1f) {
            pulseSize = 0.1f;
            pulseDirection = 1.0f;
        }
    }
    for (int h = 0; h < heartCount; ++h) {
        const float angle = 153.0f + 18.0f * h;
        const float x = arcX(heartRadius, angle);
        const float y = arcY(heartRadius, angle);
        out.add(882, x, y, 0.12f, 0.14f);
        if (h >= filled) {
            heartSize[h] = 0.0f;
            continue;
        }
        if (h >= before || heartSize[h] <= 0.0f) heartSize[h] = heartNew;
        const float floor = energy >= 50 ? heartHeld : heartTense;
        heartSize[h] = std::max(floor, heartSize[h] - heartShrink * v.seconds);
        const float size = energy < 40 ? pulseSize : heartSize[h];
        out.add(881, x, y, size, size);
    }
    marks[0][3] = static_cast<std::uint8_t>(filled);
}

void ScreenRenderer::composeNameEntry(const InterfaceView& v, PictureBatch& out) const {
    out.add(870, 0.0f, 0.0f, 2.0f, 2.0f, dial, 1.0f, 0.0f, 0.0f, 1.0f);
    out.add(860, 0.0f, 0.0f, 1.2f, 0.6f);
    // The seconds of the entry on a ring around the hourglass, clockwise
    // from the top; a second that has begun turns yellow.
    const int seconds = std::clamp(static_cast<int>(std::trunc(v.nameEntryLimit)), 0, 60);
    const float elapsed = v.nameEntryElapsed + 1.0f;
    for (int s = 0; s < seconds; ++s) {
        const float angle = (90.0f - 360.0f * static_cast<float>(s) / static_cast<float>(seconds)) * degrees;
        const float x = 0.3f * std::cos(angle);
        const float y = -0.5f + 0.3f * std::sin(angle);
        if (static_cast<float>(s) < elapsed) {
            out.add(850, x, y, 0.055f, 0.055f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f);
        } else {
            out.add(830, x, y, 0.05f, 0.05f, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f);
        }
    }
    out.add(840, 0.0f, -0.5f, 0.17f, 0.17f);
}

void ScreenRenderer::composeMarks(const InterfaceView& v, HudMarks& marks, PictureBatch& out) {
    const int need = std::clamp(v.dancerCount - v.goalB, 0, markCapacity);
    const int left = std::clamp(v.leftCount, 0, markCapacity);
    const int before = marks[0][4];
    if (left != 0 || need != 0) {
        // The bar under the label "Ballerinas Happy" and the first row of marks.
        const int columns = std::min(std::max(need, left), marksPerRow);
        const float leftEdge = -2.1f;
        const float rightEdge = std::max(-0.925f, marksX + marksStep * static_cast<float>(columns - 1) + 0.12f);
        const float centreY = -1.72f;
        out.add(880, (leftEdge + rightEdge) * 0.5f, centreY, (rightEdge - leftEdge) * 0.5f, 0.16f);
        out.add(8801, leftEdge - 0.08f, centreY, 0.08f, 0.16f);
        out.add(8802, rightEdge + 0.08f, centreY, 0.08f, 0.16f);
    }
    for (int i = 0; i < std::max(need, left); ++i) {
        const float x = marksX + marksStep * static_cast<float>(i % marksPerRow);
        const float y = marksY - marksStep * static_cast<float>(i / marksPerRow);
        if (i < need) out.add(874, x, y, needMarkSize, needMarkSize);
        if (i >= left) {
            leftMarkSize[i] = 0.0f;
            continue;
        }
        // A ballerina who has just left happily: her mark arrives large.
        if (i >= before || leftMarkSize[i] <= 0.0f) leftMarkSize[i] = i >= before ? leftMarkStart : leftMarkRest;
        leftMarkSize[i] = std::max(leftMarkRest, leftMarkSize[i] - leftMarkShrink * v.seconds);
        out.add(873, x, y, leftMarkSize[i], leftMarkSize[i]);
    }
    marks[0][4] = byteOf(left);
}

void ScreenRenderer::composeExtras(const InterfaceView& v, PictureBatch& out) {
    // The muses the dance asks to sing: sung ones lit, the singing ones beat.
    const int goal = std::clamp(v.goalMuses, 0, 12);
    for (int m = 0; m < goal; ++m) {
        const float y = museY - marksStep * static_cast<float>(m);
        if (m < v.sungTotal) {
            out.add(875, museX, y, 0.07f, 0.07f);
        } else {
            const bool singing = m - v.sungTotal < v.musesSinging;
            const float size = singing ? 0.07f + 0.015f * std::sin(interfaceClock * 8.0f) : 0.06f;
            out.add(871, museX, y, size, size);
        }
    }
    // While time stands still a snowflake covers the dial, melting as the freeze runs out.
    if (v.frozen && v.freezeLimit > 0.0f) {
        const float left = std::clamp(1.0f - v.freezeElapsed / v.freezeLimit, 0.0f, 1.0f);
        out.add(894, dialX, dialY, 0.12f + 0.14f * left, 0.12f + 0.14f * left, -dial, 1, 1, 1, 0.4f + 0.6f * left);
    }
    // The gold medal by the dial once the score has reached the level's best.
    if (v.goldScore > 0 && v.score >= v.goldScore) out.add(8957, 1.75f, 1.25f, 0.08f, 0.08f);
    // In the guided dance a glow shows what the cat stands on.
    if (v.hasHotSpot) {
        const float size = 0.3f + 0.05f * std::sin(interfaceClock * 6.0f);
        out.add(863, v.hotSpot.x, v.hotSpot.y, size, size, 0.0f, 1.0f, 1.0f, 0.6f, 0.7f);
    }
}
