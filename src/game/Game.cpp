#include "game/Game.h"

#include "app/Display.h"
#include "render/Font.h"
#include "render/StageView.h"
#include "render/WorldRenderer.h"

#include <cmath>

namespace {

// The stage is 5.6 by 4.2 units around the origin.
constexpr float stageHalfWidth = 2.8f;
constexpr float stageHalfHeight = 2.1f;

// Deep velvet, the colour of the curtain behind the stage.
constexpr float backdropRed = 0.20f;
constexpr float backdropGreen = 0.05f;
constexpr float backdropBlue = 0.22f;

// Sprite sets of the stage and their frame counts.
constexpr unsigned primaSet = 101;
constexpr unsigned catSet = 106;
constexpr unsigned dancerSet = 111;
constexpr unsigned blossomSet = 141;
constexpr unsigned museSet = 161;
constexpr unsigned dancerFrames = 37;
constexpr unsigned blossomFrames = 12;
constexpr unsigned museFrames = 12;

constexpr int ringDancers = 6;

}  // namespace

Game::Game() : font(new Font()), renderer(new WorldRenderer()) {}

bool Game::init(int windowWidth, int windowHeight, bool release) {
    width = windowWidth;
    height = windowHeight;
    releaseOnQuit = release;
    setupStageView(width, height);
    showLoadingProgress(0);
    font->buildFont();
    showLoadingProgress(20);
    renderer->load();
    showLoadingProgress(60);
    renderer->loadSpriteSet(primaSet, dancerFrames);
    renderer->loadSpriteSet(catSet, dancerFrames);
    renderer->loadSpriteSet(dancerSet, dancerFrames);
    showLoadingProgress(80);
    renderer->loadSpriteSet(blossomSet, blossomFrames);
    renderer->loadSpriteSet(museSet, museFrames);
    showLoadingProgress(100);
    totalClock = 0.0f;
    return true;
}

void Game::showLoadingProgress(int percent) {
    clearFrame(backdropRed, backdropGreen, backdropBlue);
    const float left = -1.5f;
    const float right = 1.5f;
    const float filled = left + (right - left) * static_cast<float>(percent) / 100.0f;
    drawFlatRectangle(left - 0.03f, -0.13f, right + 0.03f, 0.13f, 0.95f, 0.85f, 0.95f, 1.0f);
    drawFlatRectangle(left, -0.1f, right, 0.1f, 0.12f, 0.03f, 0.14f, 1.0f);
    drawFlatRectangle(left, -0.1f, filled, 0.1f, 0.93f, 0.45f, 0.65f, 1.0f);
    if (font->isBuilt()) {
        font->print(270.0f, 260.0f, 0, 1.0f, 1.0f, 0.9f, 1.0f, "Loading %d%%", percent);
    }
    presentFrame();
}

bool Game::frame(const InputSnapshot& input, float seconds) {
    totalClock += seconds;
    clearFrame(backdropRed, backdropGreen, backdropBlue);
    drawDancers(input, seconds);
    const float pulse = 0.75f + 0.25f * std::sin(totalClock * 2.0f);
    font->print(250.0f, 420.0f, 1, 1.0f, 1.0f, pulse, 1.0f, "VELVETARIUM");
    font->print(215.0f, 40.0f, 2, 0.8f, 0.9f, 0.8f, 1.0f, "Move the mouse, Escape leaves");
    // Until the menu exists, Escape ends the program.
    return input.escape;
}

void Game::drawDancers(const InputSnapshot& input, float seconds) {
    // Ballerinas turning in a ring around the Prima Ballerina, with a muse
    // and blossoms circling them, and the cat under the mouse pointer.
    const Vector centre(0.0f, -0.2f, 0.0f);
    renderer->drawSprite(0, primaSet, centre, 0.3f, 0.3f, 0.0f, 0, 1, 37, 2.0f, 255, 255, 255, 100, seconds);
    for (int i = 0; i < ringDancers; ++i) {
        const float angle = totalClock * 0.4f + static_cast<float>(i) * 6.2831853f / ringDancers;
        const Vector at(centre.x + 1.3f * std::cos(angle), centre.y + 0.9f * std::sin(angle), 0.0f);
        const auto slot = static_cast<std::uint16_t>(i);
        const auto tint = static_cast<std::uint8_t>(150 + 20 * i);
        renderer->drawSprite(slot, dancerSet, at, 0.25f, 0.25f, angle * 57.29578f, 0, 1, 37, 2.0f, tint, 200,
                             255, 100, seconds);
        const Vector blossom(centre.x + 1.9f * std::cos(-angle), centre.y + 1.3f * std::sin(-angle), 0.0f);
        renderer->drawSprite(slot, blossomSet, blossom, 0.08f, 0.08f, 0.0f, 0, 1, 12, 0.6f, 255, 120, 180, 90,
                             seconds);
    }
    const Vector muse(1.9f * std::cos(totalClock * 0.25f), 1.4f, 0.0f);
    renderer->drawSprite(0, museSet, muse, 0.2f, 0.2f, 0.0f, 0, 1, 12, 1.2f, 255, 255, 255, 100, seconds);

    const float catX = (static_cast<float>(input.mouseX) / static_cast<float>(width) - 0.5f) * 2.0f * stageHalfWidth;
    const float catY = (0.5f - static_cast<float>(input.mouseY) / static_cast<float>(height)) * 2.0f * stageHalfHeight;
    renderer->drawSprite(0, catSet, Vector(catX, catY, 0.0f), 0.15f, 0.15f, 0.0f, 0, 1, 37, 1.5f, 255, 255, 255, 100,
                         seconds);
}
