#include "actors/DanceFloor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr std::uint8_t orange[3] = {255, 128, 0};
constexpr std::uint8_t magenta[3] = {255, 0, 255};
constexpr std::uint8_t yellow[3] = {255, 255, 0};

// Tile indices stay far inside int; a stage is about 20 units wide.
constexpr float maxTileIndex = 1.0e6f;

// The three channel generators: reds and greens mid-bright, blues brighter.
std::uint8_t randomChannel(int channel) {
    const int value = channel == 2 ? 100 + std::rand() % 150 : 50 + std::rand() % 100;
    return static_cast<std::uint8_t>(value);
}

// Every wave frequency is a multiple of 1/10000, so all tiles share the
// period 2*pi*10000 of the wave clock; wrapping there keeps the sway smooth.
constexpr float waveClockPeriod = 62831.853f;
}  // namespace

DanceFloor::DanceFloor() { setUp(0.5f, 2.9f, Vector{}); }

const FloorTile& DanceFloor::tile(int i, int j) const {
    i = std::clamp(i, 0, gridSize);
    j = std::clamp(j, 0, gridSize);
    return tiles[i][j];
}

void DanceFloor::place(std::uint16_t set, float scale, float extent, Vector at, std::int32_t frames) {
    pictureSet = set;
    frameCount = std::clamp(frames, 0, framesPerSet - 1);
    setUp(scale, extent, at);
}

void DanceFloor::reset(float scale, float extent, Vector at) { setUp(scale, extent, at); }

int DanceFloor::tileIndexOf(float coordinate, int fallback) const {
    if (!std::isfinite(coordinate)) return fallback;
    const float index = std::clamp(coordinate / tileSize, -maxTileIndex, maxTileIndex);
    return static_cast<int>(index);  // truncated toward zero
}

void DanceFloor::setUp(float scale, float extent, Vector at) {
    if (!std::isfinite(at.x) || !std::isfinite(at.y)) at = Vector{};
    textureScale = (std::isfinite(scale) && scale != 0.0f) ? scale : 0.5f;
    halfExtent = (std::isfinite(extent) && extent > 0.0f) ? extent : 2.9f;
    tileSize = 2.0f * halfExtent / static_cast<float>(viewTiles);
    kind = static_cast<std::uint8_t>(pictureSet <= 255 ? pictureSet : 171);
    position = previousPosition = anchor = Vector{at.x, at.y, 0.0f};
    originX = tileIndexOf(at.x, 0);
    originY = tileIndexOf(at.y, 0);
    centreX = lastCentreX = originX;
    centreY = lastCentreY = originY;
    primaX = at.x;
    primaY = at.y;
    dancerCount = blossomCount = 0;
    waveClock = 0.0f;
    scrolls = 0;
    moved = 0;
    for (int i = 0; i < tilesPerSide; ++i)
        for (int j = 0; j < tilesPerSide; ++j) fillTile(i, j);
    // The mesh shows the floor at rest until the first update.
    for (int i = meshFirst; i <= meshLast; ++i) {
        for (int j = meshFirst; j <= meshLast; ++j) {
            const FloorTile& t = tiles[i][j];
            mesh.set(i - meshFirst, j - meshFirst, t.x, t.y, t.colour[0] / 255.0f, t.colour[1] / 255.0f,
                     t.colour[2] / 255.0f, t.u, t.v);
        }
    }
}

void DanceFloor::fillTile(int i, int j) {
    FloorTile& t = tiles[i][j];
    t = FloorTile{};
    t.x = static_cast<float>(i + originX - gridHalf) * tileSize;
    t.y = static_cast<float>(j + originY - gridHalf) * tileSize;
    t.u = t.x / textureScale;
    t.v = t.y / textureScale;
    for (int k = 0; k < 3; ++k) {
        t.colour[k] = randomChannel(k);
        t.targetColour[k] = randomChannel(k);
        t.previousTarget[k] = randomChannel(k);
    }
    const int amplitudeRange = static_cast<int>(tileSize / 1.5f * 10000.0f);
    if (amplitudeRange > 0) {
        t.waveAmplitudeX = static_cast<float>(std::rand() % amplitudeRange) / 10000.0f - tileSize / 3.0f;
        t.waveAmplitudeY = static_cast<float>(std::rand() % amplitudeRange) / 10000.0f - tileSize / 3.0f;
    }
    const int frequencyRange = static_cast<int>(waveFrequencyLimit * 10000.0f);
    t.waveFrequency = static_cast<float>(std::rand() % frequencyRange) / 10000.0f;
}

// step +1: the view moved one tile toward +x; every column moves one place
// down and the new far column is laid fresh. No wrap-around: the column
// that falls off the near edge is forgotten.
void DanceFloor::scrollX(int step) {
    if (step > 0) {
        for (int i = 0; i < gridSize; ++i)
            for (int j = 0; j < tilesPerSide; ++j) tiles[i][j] = tiles[i + 1][j];
        ++originX;
        for (int j = 0; j < tilesPerSide; ++j) fillTile(gridSize, j);
    } else if (step < 0) {
        for (int i = gridSize; i > 0; --i)
            for (int j = 0; j < tilesPerSide; ++j) tiles[i][j] = tiles[i - 1][j];
        --originX;
        for (int j = 0; j < tilesPerSide; ++j) fillTile(0, j);
    }
}

void DanceFloor::scrollY(int step) {
    if (step > 0) {
        for (int i = 0; i < tilesPerSide; ++i)
            for (int j = 0; j < gridSize; ++j) tiles[i][j] = tiles[i][j + 1];
        ++originY;
        for (int i = 0; i < tilesPerSide; ++i) fillTile(i, gridSize);
    } else if (step < 0) {
        for (int i = 0; i < tilesPerSide; ++i)
            for (int j = gridSize; j > 0; --j) tiles[i][j] = tiles[i][j - 1];
        --originY;
        for (int i = 0; i < tilesPerSide; ++i) fillTile(i, 0);
    }
}

void DanceFloor::touch(std::uint16_t otherKind, Vector otherPosition, float, float, std::uint16_t, float) {
    if (otherKind == 0 || !std::isfinite(otherPosition.x) || !std::isfinite(otherPosition.y)) return;
    if (otherKind == Kind::camera) {
        position = Vector{otherPosition.x, otherPosition.y, 0.0f};
    } else if (otherKind < Kind::cat) {
        primaX = otherPosition.x;
        primaY = otherPosition.y;
    } else if (otherKind >= 111 && otherKind <= 130) {
        if (dancerCount < maxCollected) {
            dancerX[dancerCount] = otherPosition.x;
            dancerY[dancerCount] = otherPosition.y;
            ++dancerCount;
        }
    } else if (otherKind >= 141 && otherKind <= 160) {
        if (blossomCount < maxCollected) {
            blossomX[blossomCount] = otherPosition.x;
            blossomY[blossomCount] = otherPosition.y;
            ++blossomCount;
        }
    }
}

void DanceFloor::update(float dt) {
    if (!(dt >= 0.0f)) dt = 0.0f;

    // 1. The view's tile, at most one tile per axis away from the last one.
    centreX = std::clamp(tileIndexOf(position.x, lastCentreX), lastCentreX - 1, lastCentreX + 1);
    centreY = std::clamp(tileIndexOf(position.y, lastCentreY), lastCentreY - 1, lastCentreY + 1);
    moved = (centreX != lastCentreX && centreY != lastCentreY) ? 1 : 0;
    if (moved) ++scrolls;

    // 2. Scroll along x, then along y.
    scrollX(centreX - lastCentreX);
    scrollY(centreY - lastCentreY);
    lastCentreX = centreX;
    lastCentreY = centreY;

    // 3. Every visible tile drifts, lights up and sways; the mesh's margin
    // tiles keep their last state. All of them are written.
    const float channelStep = std::max(1.0f, dt * 100.0f);
    gatherLights();
    auto visible = [](int k) { return k >= firstVisible && k <= lastVisible; };
    for (int i = meshFirst; i <= meshLast; ++i) {
        const int rowLights = visible(i) ? lightsNearRow(i) : 0;
        for (int j = meshFirst; j <= meshLast; ++j) {
            FloorTile& t = tiles[i][j];
            if (visible(i) && visible(j)) animateTile(t, dt, channelStep, rowLights, j - meshFirst);
            mesh.set(i - meshFirst, j - meshFirst, t.x + t.waveOffsetX, t.y + t.waveOffsetY, t.colour[0] / 255.0f,
                     t.colour[1] / 255.0f, t.colour[2] / 255.0f, t.u, t.v);
        }
    }

    // 4. The next frame's touches collect afresh.
    dancerCount = 0;
    blossomCount = 0;
}

// The lights of this frame in the order they light a tile: blossoms, then
// dancers, then the Prima Ballerina (the last wins). A tile can only be lit
// by a light within `reach` of it on both axes, and the mesh's tiles lie on a
// grid: each row shares one x and each column one y. So every light learns
// the columns it can reach, and every row the lights it can reach, and a
// tile tries only those, in their order: the same tiles light up in the same
// order with the same random draws as if it tried every light.
void DanceFloor::gatherLights() {
    lightCount = 0;
    for (int n = 0; n < blossomCount; ++n) lights[lightCount++] = Light{blossomX[n], blossomY[n], &orange, 0};
    for (int n = 0; n < dancerCount; ++n) lights[lightCount++] = Light{dancerX[n], dancerY[n], &magenta, 0};
    lights[lightCount++] = Light{primaX, primaY, &yellow, 0};

    // The band is a little wider than the reach, so rounding in the exact
    // test of lightTile never lights a tile that was left out here.
    const float band = 3.0f * tileSize * 1.001f;
    gridRegular = true;
    for (int i = meshFirst; i <= meshLast && gridRegular; ++i)
        for (int j = meshFirst; j <= meshLast; ++j)
            if (!(tiles[i][j].x == tiles[i][meshFirst].x && tiles[i][j].y == tiles[meshFirst][j].y)) {
                gridRegular = false;
                break;
            }
    for (int n = 0; n < lightCount; ++n) {
        Light& light = lights[n];
        light.columns = ~std::uint32_t{0};
        if (!gridRegular) continue;
        for (int j = meshFirst; j <= meshLast; ++j)
            if (std::fabs(tiles[meshFirst][j].y - light.y) > band)
                light.columns &= ~(std::uint32_t{1} << (j - meshFirst));
    }
}

int DanceFloor::lightsNearRow(int i) {
    const float band = 3.0f * tileSize * 1.001f;
    int count = 0;
    for (int n = 0; n < lightCount; ++n)
        if (!gridRegular || !(std::fabs(tiles[i][meshFirst].x - lights[n].x) > band)) rowLights[count++] = n;
    return count;
}

void DanceFloor::animateTile(FloorTile& t, float dt, float channelStep, int rowLightCount, int column) {
    // Colour drift toward the target; on arrival a new random target.
    for (int k = 0; k < 3; ++k) {
        const float target = t.targetColour[k];
        const float difference = target - t.colour[k];
        if (std::fabs(difference) <= channelStep) {
            t.colour[k] = target;
            t.previousTarget[k] = t.targetColour[k];
            t.targetColour[k] = randomChannel(k);
        } else {
            t.colour[k] += difference > 0.0f ? channelStep : -channelStep;
        }
    }

    // Light: blossoms, then dancers, then the Prima Ballerina (the last wins).
    const std::uint32_t columnBit = std::uint32_t{1} << column;
    for (int k = 0; k < rowLightCount; ++k) {
        const Light& light = lights[rowLights[k]];
        if (light.columns & columnBit) lightTile(t, light.x, light.y, *light.colour);
    }

    // Sway. The wave clock runs on with every visible tile it moves (21 x 21
    // times an update), which turns the tiny per-tile frequencies (below
    // 0.005) into a visible, unhurried sway.
    waveClock += dt;
    if (waveClock >= waveClockPeriod) waveClock -= waveClockPeriod;
    t.waveOffsetX = std::sin(waveClock * t.waveFrequency) * t.waveAmplitudeX;
    t.waveOffsetY = std::cos(waveClock * t.waveFrequency) * t.waveAmplitudeY;
}

void DanceFloor::lightTile(FloorTile& t, float x, float y, const std::uint8_t (&colour)[3]) {
    const float reach = 3.0f * tileSize;
    const float dx = std::fabs(t.x - x);
    const float dy = std::fabs(t.y - y);
    if (dx > 2.0f * reach || dy > 2.0f * reach) return;
    if (std::sqrt(dx * dx + dy * dy) >= reach) return;
    for (int k = 0; k < 3; ++k) {
        t.previousTarget[k] = t.targetColour[k];
        t.targetColour[k] = colour[k];
    }
    const int rangeX = static_cast<int>(dx / 6.0f * 1000.0f);
    const int rangeY = static_cast<int>(dy / 6.0f * 1000.0f);
    if (rangeX > 0 && rangeY > 0) {
        t.waveAmplitudeX = static_cast<float>(std::rand() % rangeX) / 1000.0f;
        t.waveAmplitudeY = static_cast<float>(std::rand() % rangeY) / 1000.0f;
    }
}
