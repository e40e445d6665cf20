#pragma once

#include <cstdint>

#include "actors/Vector.h"

// One recorded state of one pool actor.
struct Snapshot {
    std::uint8_t kind = 0;
    Vector position;
    float angle = 0.0f;      // the Prima Ballerina's facing for the avatar pool
    std::uint8_t energy = 0; // low byte of the energy (sadness for ballerinas)
};

// The history of every pool actor that lets the World rewind time: the last
// 40 snapshots, one every 0.1 seconds. Entry 1 is the newest; a shift moves
// every entry one older and the oldest falls out.
class RewindRecorder {
public:
    // Pools in recording order.
    enum Pool : int { avatarPool = 0, obstaclePool = 1, musePool = 2, powerUpPool = 3, projectilePool = 4 };
    static constexpr int poolCount = 5;
    static constexpr int slotCount = 40;        // actors per pool
    static constexpr int snapshotSlots = 50;    // storage per actor; slots 1..keptSnapshots are used
    static constexpr std::uint8_t defaultHistoryLength = 40;
    static constexpr float defaultInterval = 0.1f;

    RewindRecorder();

    // Empties the history for `actorCount` actors per pool (at most 40).
    void reset(int actorCount);

    // Moves the history one step older unless rewinding; afterwards the next
    // record lands in entry 1.
    void shift(bool rewinding, int actorCount);
    // Writes entry 1 of one actor. Out-of-range pools or slots are ignored.
    void record(int pool, int slot, std::uint8_t kind, Vector position, float angle, std::int32_t energy);
    // Writes entry 1 of the per-snapshot World value.
    void recordWorld(std::uint32_t value);

    // The time control's names for the same steps: a record begins with a
    // shift that a freeze holds back, then the time scale of the moment is
    // kept with the entry.
    void beginRecord(bool frozen, int poolSize) { shift(frozen, poolSize); }
    void storeTimeScale(float timeScale);

    // Entry `index` (1 = newest .. count()) of one actor. Anything out of range
    // reads as an empty snapshot (kind 0).
    const Snapshot& entry(int pool, int slot, int index) const;
    float timeScaleAt(int index) const;
    std::uint32_t worldValueAt(int index) const;

    // Entries holding a recorded moment: grows with every record up to 40.
    std::uint8_t count() const { return filled; }
    float interval() const { return recordInterval; }
    int actorsPerPool() const { return actors; }

private:
    static bool validIndex(int index) { return index >= 1 && index < snapshotSlots; }
    static constexpr int newest = 1;  // every record writes entry 1

    Snapshot snapshots[poolCount][slotCount][snapshotSlots];
    std::uint32_t worldValues[snapshotSlots] = {};
    float timeScales[snapshotSlots] = {};
    std::uint8_t keptSnapshots = defaultHistoryLength;
    std::uint8_t filled = 0;
    float recordInterval = defaultInterval;
    int actors = slotCount;
};
