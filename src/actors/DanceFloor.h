#pragma once

#include <cstdint>

#include "actors/Actor.h"
#include "actors/FloorMesh.h"
#include "actors/FloorTile.h"

// The coloured floor under the dance: a 51 x 51 grid of tiles that scrolls
// with the view, drifts between random colours, sways, and lights up under
// the Prima Ballerina (yellow), the dancers (magenta) and the blossoms
// (orange). Its touch only collects where those actors are; update animates
// the tiles and writes the mesh arrays that src/render draws.
class DanceFloor : public Actor {
public:
    static constexpr int gridSize = 50;        // tiles per side minus one
    static constexpr int gridHalf = 25;
    static constexpr int tilesPerSide = gridSize + 1;
    static constexpr int viewTiles = 20;       // tiles across the view
    static constexpr int viewHalf = 10;
    // Tiles firstVisible..lastVisible on each axis are animated.
    static constexpr int firstVisible = gridHalf - viewHalf;  // 15
    static constexpr int lastVisible = gridHalf + viewHalf;   // 35
    // The mesh reaches one tile further before and three after the visible
    // range, so that the truncated centre never leaves a gap at the edges;
    // those margin tiles are drawn as they are, not animated.
    static constexpr int meshFirst = firstVisible - 1;        // 14
    static constexpr int meshLast = lastVisible + 3;          // 38
    static constexpr int maxCollected = 40;
    static constexpr float waveFrequencyLimit = 0.005f;
    static constexpr int framesPerSet = 48;

    DanceFloor();

    // Sets the floor up around `position` (the Prima Ballerina's): set 171,
    // texture scale 0.5, half extent 2.9 and 41 frames from the World. The
    // render side loads frames 1..frameCount of pictureSet once.
    void place(std::uint16_t pictureSet, float textureScale, float halfExtent, Vector position,
               std::int32_t frameCount);
    // What place does, keeping the picture set and frame count.
    void reset(float textureScale, float halfExtent, Vector position);

    // The Camera sets the floor's position (the view centre); the Prima
    // Ballerina, dancers (111-130) and blossoms (141-160) are collected for
    // this frame's lighting.
    void touch(std::uint16_t otherKind, Vector otherPosition, float otherWidth, float otherHeight,
               std::uint16_t otherDamage, float otherMomentum) override;

    // Scrolls at most one tile per axis toward the view, animates the 21 x 21
    // visible tiles and writes the whole mesh; then forgets the collected
    // actors.
    void update(float dt);

    const FloorTile& tile(int i, int j) const;
    const FloorMesh& meshData() const { return mesh; }

    std::uint16_t pictureSet = 171;
    std::int32_t frameCount = 0;
    float textureScale = 0.5f;
    float halfExtent = 2.9f;
    float tileSize = 0.29f;
    std::int32_t originX = 0;   // world tile index of the centre tile (25, 25)
    std::int32_t originY = 0;
    std::int32_t centreX = 0;
    std::int32_t centreY = 0;
    std::int32_t lastCentreX = 0;
    std::int32_t lastCentreY = 0;
    float primaX = 0.0f;
    float primaY = 0.0f;
    float dancerX[maxCollected] = {};
    float dancerY[maxCollected] = {};
    std::int32_t dancerCount = 0;
    float blossomX[maxCollected] = {};
    float blossomY[maxCollected] = {};
    std::int32_t blossomCount = 0;
    float waveClock = 0.0f;
    std::int32_t scrolls = 0;
    std::uint8_t moved = 0;

private:
    void setUp(float textureScale, float halfExtent, Vector position);
    void fillTile(int i, int j);
    void scrollX(int step);
    void scrollY(int step);
    int tileIndexOf(float coordinate, int fallback) const;
    void animateTile(FloorTile& t, float dt, float channelStep, int rowLightCount, int column);
    void lightTile(FloorTile& t, float x, float y, const std::uint8_t (&colour)[3]);
    void gatherLights();
    int lightsNearRow(int i);  // fills rowLights; returns how many

    // One light of this frame and the mesh columns (bit per column) it may reach.
    struct Light {
        float x;
        float y;
        const std::uint8_t (*colour)[3];
        std::uint32_t columns;
    };
    static constexpr int maxLights = 2 * maxCollected + 1;
    static_assert(meshLast - meshFirst < 32, "one column bit per mesh column");

    FloorTile tiles[tilesPerSide][tilesPerSide];
    FloorMesh mesh;
    Light lights[maxLights] = {};
    int lightCount = 0;
    int rowLights[maxLights] = {};
    bool gridRegular = true;
};
