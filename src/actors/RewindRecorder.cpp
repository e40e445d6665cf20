#include "actors/RewindRecorder.h"

#include <algorithm>
#include <iterator>

namespace {
const Snapshot emptySnapshot{};

int clampActors(int actorCount) { return std::clamp(actorCount, 0, RewindRecorder::slotCount); }
}  // namespace

RewindRecorder::RewindRecorder() { reset(slotCount); }

void RewindRecorder::reset(int actorCount) {
    for (auto& pool : snapshots)
        for (auto& actor : pool)
            for (Snapshot& s : actor) s = Snapshot{};
    std::fill(std::begin(worldValues), std::end(worldValues), 0u);
    std::fill(std::begin(timeScales), std::end(timeScales), 0.0f);
    filled = 0;
    actors = clampActors(actorCount);
}

void RewindRecorder::shift(bool rewinding, int actorCount) {
    if (rewinding) return;
    const int n = clampActors(actorCount);
    for (int index = keptSnapshots; index >= 2; --index) {
        for (auto& pool : snapshots)
            for (int slot = 0; slot < n; ++slot) pool[slot][index] = pool[slot][index - 1];
        worldValues[index] = worldValues[index - 1];
        timeScales[index] = timeScales[index - 1];
    }
    // Entry 1 now waits for the new moment; the history holds one more.
    if (filled < keptSnapshots) ++filled;
}

void RewindRecorder::record(int pool, int slot, std::uint8_t kind, Vector position, float angle,
                            std::int32_t energy) {
    if (pool < 0 || pool >= poolCount || slot < 0 || slot >= slotCount) return;
    Snapshot& s = snapshots[pool][slot][newest];
    s.kind = kind;
    s.position = position;
    s.angle = angle;
    s.energy = static_cast<std::uint8_t>(energy & 0xff);
    if (filled == 0) filled = 1;
}

void RewindRecorder::recordWorld(std::uint32_t value) {
    worldValues[newest] = value;
    if (filled == 0) filled = 1;
}

void RewindRecorder::storeTimeScale(float timeScale) {
    timeScales[newest] = timeScale;
    if (filled == 0) filled = 1;
}

const Snapshot& RewindRecorder::entry(int pool, int slot, int index) const {
    if (pool < 0 || pool >= poolCount || slot < 0 || slot >= slotCount || !validIndex(index) || index > filled)
        return emptySnapshot;
    return snapshots[pool][slot][index];
}

float RewindRecorder::timeScaleAt(int index) const {
    return validIndex(index) && index <= filled ? timeScales[index] : 0.0f;
}

std::uint32_t RewindRecorder::worldValueAt(int index) const {
    return validIndex(index) && index <= filled ? worldValues[index] : 0u;
}
