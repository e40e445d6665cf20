// The menu's level preview and the ring labels the Game draws over the
// stage at the end of its frame.
#include "actors/Avatar.h"
#include "actors/Motion.h"
#include "render/StageFrame.h"
#include "render/WorldRenderer.h"
#include "world/LevelLayout.h"
#include "world/StageRadar.h"
#include "world/StageSight.h"
#include "world/World.h"

namespace {

const Vector previewRadarAnchor{0.36f, -0.62f, -1.0f};
constexpr float previewRadarZoom = 10.0f;
const Vector labelAnchor{2.35f, 1.75f, 0.0f};
constexpr float gameZoom = 30.0f;
// On the preview the Prima Ballerina is shown large.
constexpr float previewWidth = 0.3f;
constexpr float previewHeight = 0.275f;
constexpr int catPawPart = 2;

// A text of the World copied into a label's buffer, whatever its last byte holds.
template <std::size_t N>
void copyText(const char (&from)[N], char (&to)[RingLayout::slots + 1]) {
    std::size_t i = 0;
    for (; i < N && i < RingLayout::slots && from[i] != '\0'; ++i) to[i] = from[i];
    to[i] = '\0';
}

}  // namespace

Vector World::levelPreview(Vector menuPrimaPosition, std::uint8_t previewLevel, float seconds, float pausedSeconds) {
    if (!allocated) return Vector{};
    // The menu's own clock runs while the dance stands still.
    const float frameTime = seconds > 0.0f ? seconds : pausedSeconds;
    WorldRenderer* paint = hasGraphics ? textures.get() : nullptr;

    // 1. The radar of the level in its preview form.
    zoom = previewRadarZoom;
    viewOffset = previewRadarAnchor;
    if (paint != nullptr) {
        pushOffset(0.0f, 0.0f, 0.0f);
        drawStageRadar(*this, true);
        popView();
    }

    // 2. From here on the labels stand in the upper right corner. The menu
    // is no place to grab anything: the cat's paws rest.
    zoom = gameZoom;
    viewOffset = labelAnchor;
    Avatar& c = cat();
    c.look.costume.part(catPawPart).visible = 0;

    // 3. The Prima Ballerina, large, at her place on the menu, turning and
    // dancing toward her cat. Her stage place and size, and the effects her
    // steps ask for, stay those of the dance.
    Avatar& p = prima();
    const Vector stagePosition = p.position;
    const Vector stagePrevious = p.previousPosition;
    const float stageWidth = p.width;
    const float stageHeight = p.height;
    const EffectRequests stageEffects = p.effects;
    p.width = previewWidth;
    p.height = previewHeight;
    p.position = menuPrimaPosition;
    p.previousPosition = menuPrimaPosition;
    if (p.kind != 0 && p.energy >= 1) {
        const Vector toPrima = p.position - c.position;
        p.catAngle = angleOfVector(toPrima);
        p.angle = p.catAngle;
        p.catDistance = toPrima.length();
        p.update(frameTime);
        p.update(frameTime);
    }
    if (paint != nullptr) {
        pushOffset(0.0f, 0.0f, 0.0f);
        paint->actors().drawActor(p.isPrima() ? 1 : 0, p.kind, p.position, p.width, p.height, p.facing, p.facing,
                                  frameTime, p.look.colour, p.state(), p.look.costume);
        paint->actors().drawActor(2, c.kind, c.position, c.width, c.height, c.angle, c.angle, frameTime,
                                  c.look.colour, c.state(), c.look.costume);
        popView();
    }
    p.width = stageWidth;
    p.height = stageHeight;
    p.position = stagePosition;
    p.previousPosition = stagePrevious;
    p.effects = stageEffects;

    // 4. The cat stays inside the window.
    c.position = StageSight::keepInsideWindow(c.position, c.width, c.height);

    // 5. The level's goals, for the menu's texts. The table is built (and
    // rand() reseeded) only when the previewed level changes.
    if (layout->builtLevel() != previewLevel) layout->buildLayout(previewLevel);
    goalB = layout->goalB();
    goalMuses = layout->goalMuses();
    goalHappy = layout->goalHappy();
    return c.position;
}

void World::drawOverlay() {
    if (!allocated || !hasGraphics) return;
    RingLabels& labels = textures->labels();
    char name[RingLayout::slots + 1] = {};
    copyText(prima().name, name);
    labels.drawNameRing(viewOffset.x, viewOffset.y, viewOffset.z, name);
    labels.drawPointsRing(viewOffset.x, viewOffset.y, viewOffset.z, score);
    labels.drawTalentRing(viewOffset.x, viewOffset.y, viewOffset.z);
    if (nameEntry) {
        char letters[RingLayout::slots + 1] = {};
        copyText(shuffledLetters, letters);
        labels.drawNameEntryRing(0.0f, 0.0f, 0.0f, letters, letterCursor);
    }
    if (hintShown != 0) {
        char hint[RingLayout::slots + 1] = {};
        copyText(hintText, hint);
        labels.drawHintLine(0.0f, 0.0f, 0.0f, hint, hintDuration, hintClock);
    }
}

void World::drawPrimaName() {
    if (!allocated || !hasGraphics) return;
    char name[RingLayout::slots + 1] = {};
    copyText(prima().name, name);
    textures->labels().drawPreviewNameRing(viewOffset.x, viewOffset.y, viewOffset.z, name);
}
