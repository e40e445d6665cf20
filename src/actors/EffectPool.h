#pragma once

#include <cstdint>

#include "actors/Effect.h"
#include "actors/Vector.h"

// The dance's visual particles: 500 slots allocated with the pool and reused.
// Actors only request effects; the World starts them with spawn, moves the
// riding ones with attach, updates the pool once per frame, and the render
// side draws every busy slot from sprite set `behaviour` (firstSet..lastSet
// are the sets to load) at frame 1 + progress * 8, clamped to 1..8.
class EffectPool {
public:
    static constexpr int capacity = 500;
    static constexpr int framesPerSet = 8;
    static constexpr std::uint8_t defaultFirstSet = 181;
    static constexpr std::uint8_t defaultLastSet = 196;

    EffectPool();

    // Frees every slot and remembers the sprite sets the drawing loads.
    void reset(std::uint8_t firstSet, std::uint8_t lastSet);

    // Starts the pattern of an effect number (1-8, 21-26, 51, 52, 71, 72,
    // 81-90) at a point; direction points the pattern (launch sparks fly
    // along it, trails drift against it). Nothing happens unless both the
    // position and the direction have a non-zero x or y, for other numbers,
    // or when no slot is free. Returns the number of particles started.
    int spawn(int effect, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector position, Vector direction);
    // The same with the direction given as an actor angle (0 faces +y).
    int spawnAt(int effect, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector position, float angle);

    // Carries every particle of an owner with it: each moves by as much as
    // the owner moved since the last attach (the song's glow is set on the
    // owner's position) and takes ownerAngle. A particle's own velocity is
    // kept. The World attaches every frame; an owner missing for a frame,
    // or one that jumped further than half a unit, carries nothing that time.
    void attach(std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector position, Vector velocity, float angle);

    // Ages, culls and animates every slot. A particle is freed when its life
    // is used up, or, when cullable, more than radius from the view centre on
    // either axis.
    void update(float dt, float viewX, float viewY, float radius);

    // Slot i (0..499); anything else reads as a free slot.
    const Effect& effect(int slot) const;
    int busyCount() const;
    std::uint8_t firstSet() const { return setFirst; }
    std::uint8_t lastSet() const { return setLast; }

    // Frame 1..8 of the particle's sprite set for its progress through life.
    static int frameOf(const Effect& e);
    // Settled particles (garden flowers, old trail puffs, launch clouds, the
    // song's glow) go under the actors; the rest over them.
    static bool drawnBehind(const Effect& e) { return e.fresh != 0; }

private:
    // The next free slot at or after `from`, or -1.
    int nextFree(int from) const;
    // The next free slot at or after cursor, which moves past it; nullptr
    // (and the cursor at the end) when the pool is full.
    Effect* take(int& cursor);

    void spawnBurst(int strength, bool happy, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at,
                    float heading, int& cursor, int& started);
    void spawnLaunch(int strength, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, Vector dir,
                     float heading, int& cursor, int& started);
    void spawnSong(std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, float heading, int& cursor,
                   int& started);
    void spawnTalent(int talent, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, float heading,
                     int& cursor, int& started);
    void spawnSpeedTrail(int level, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, Vector dir,
                         int& cursor, int& started);
    void spawnGarden(int level, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, int& cursor,
                     int& started);
    void spawnWorldEffect(int effect, std::uint8_t ownerKind, std::uint8_t ownerIndex, Vector at, int& cursor,
                          int& started);

    static void animate(Effect& e, float dt);
    // Chains the busy slots of each owner slot number, in slot order.
    void indexOwners();

    Effect slots[capacity];
    // The busy slots by owner slot number, for attach: ownerHead[n] is the
    // first, ownerNext[i] the one after slot i, -1 ends a chain. Valid while
    // ownersKnown; anything that starts or frees a particle clears it.
    std::int16_t ownerHead[256] = {};
    std::int16_t ownerNext[capacity] = {};
    bool ownersKnown = false;
    std::uint8_t setFirst = defaultFirstSet;
    std::uint8_t setLast = defaultLastSet;
};
