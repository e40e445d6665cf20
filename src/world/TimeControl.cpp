#include <cmath>

#include "actors/Avatar.h"
#include "actors/DanceFloor.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "actors/RewindRecorder.h"
#include "world/World.h"

namespace {

constexpr float chaosPeriodLimit = 3600.0f;
constexpr float rightClickGuard = 0.2f;
constexpr float earliestUnfreeze = 0.5f;
constexpr float endNow = 100.0f;        // beyond any freeze limit: ends at the next advance
constexpr float rewindStep = 0.025f;    // seconds of rewind per recorded entry

}  // namespace

// The speed of the dance swings between 0 and 3 with a period of pi seconds.
float World::chaosScale(float seconds) {
    chaosClock += seconds;
    if (chaosClock > chaosPeriodLimit) chaosClock = 0.0f;
    return std::fabs(3.0f * std::sin(chaosClock));
}

void World::handleRightButton(bool rightButton, float seconds) {
    rightClickClock += seconds;
    freezeStarted = false;
    if (rightButton && !frozen && rightClickClock > rightClickGuard) {
        freezeStarted = true;
        rightClickClock = 0.0f;
        frozen = true;
    }
    if (rightButton && freezeElapsed > earliestUnfreeze && frozen && rightClickClock > rightClickGuard) {
        freezeElapsed = endNow;
        rightClickClock = 0.0f;
    }
}

void World::endFreeze() {
    frozen = false;
    rewinding = false;
    freezeElapsed = 0.0f;
    rewindElapsed = 0.0f;
}

void World::advanceActors(float seconds) {
    if (!allocated) return;
    if (!frozen) timeScale = chaosScale(seconds);
    Avatar& p = prima();
    freezeLimit = p.freezeSeconds;

    float stepTime = seconds;
    if (frozen) {
        // The freeze runs on real seconds; the actors on a tenth of them.
        freezeElapsed += seconds;
        stepTime = seconds / slowDivisor;
        timeScale = chaosScale(stepTime);
        if (rewinding) rewindActors(seconds);
    }
    if (freezeElapsed > freezeLimit) endFreeze();

    // The floor scrolls toward the view centre the camera gave it in the
    // contact pass (set again here for paused frames, which skip that pass)
    // and lights up under the Prima Ballerina.
    danceFloor->position = cameraPosition;
    danceFloor->primaX = p.position.x;
    danceFloor->primaY = p.position.y;
    danceFloor->update(stepTime);

    // The cat hands its "on a dancer" flag to the Prima Ballerina.
    Avatar& c = cat();
    if (c.catOnDancer) {
        p.catOnDancer = 1;
        c.catOnDancer = 0;
    }

    for (int i = 0; i < poolSize; ++i) {
        powerUps[i]->update(stepTime);
        projectiles[i]->update(stepTime, timeScale);
        obstacles[i]->update(stepTime, timeScale);
        muses[i]->update(stepTime, seconds);
        avatars[i]->update(stepTime);
    }

    recordClock += stepTime;
    if (recordClock >= recorder->interval()) recordHistory();
}

void World::recordHistory() {
    recordClock = 0.0f;
    recorder->beginRecord(frozen, poolSize);
    recorder->storeTimeScale(timeScale);
    for (int i = 0; i < poolSize; ++i) {
        const Avatar& a = *avatars[i];
        recorder->record(RewindRecorder::avatarPool, i, a.kind, a.position, a.facing, a.energy);
        const Obstacle& o = *obstacles[i];
        recorder->record(RewindRecorder::obstaclePool, i, o.kind, o.position, o.angle, o.sadness);
        const Muse& m = *muses[i];
        recorder->record(RewindRecorder::musePool, i, m.kind, m.position, m.angle, m.energy);
        const PowerUp& t = *powerUps[i];
        recorder->record(RewindRecorder::powerUpPool, i, t.kind, t.position, t.angle, t.energy);
        const Projectile& b = *projectiles[i];
        recorder->record(RewindRecorder::projectilePool, i, b.kind, b.position, b.angle, b.energy);
    }
}

namespace {
// What a rewind entry holds of a muse, a talent or a blossom.
void restoreActor(Actor& actor, const Snapshot& snapshot) {
    actor.kind = snapshot.kind;
    actor.position = snapshot.position;
    actor.angle = snapshot.angle;
    actor.energy = snapshot.energy;
}
}  // namespace

// Sets every pool actor back to the recorded moment that rewindElapsed has
// reached, 0.025 s of rewind per entry, between entry 1 and the oldest.
void World::rewindActors(float seconds) {
    rewindElapsed += seconds;
    const float steps = rewindElapsed / rewindStep;
    const unsigned whole = (steps >= 0.0f && steps < 4.0e9f) ? static_cast<unsigned>(steps) : 0u;
    int index = static_cast<std::uint8_t>(whole & 0xFFu);
    if (index > recorder->count()) index = recorder->count();
    if (index < 1) index = 1;
    rewindIndex = static_cast<std::uint8_t>(index);
    timeScale = recorder->timeScaleAt(index);
    for (int i = 0; i < poolSize; ++i) {
        const Snapshot& a = recorder->entry(RewindRecorder::avatarPool, i, index);
        Avatar& avatar = *avatars[i];
        avatar.kind = a.kind;
        avatar.position = a.position;
        avatar.facing = avatar.angle = a.angle;
        avatar.energy = a.energy;
        const Snapshot& o = recorder->entry(RewindRecorder::obstaclePool, i, index);
        Obstacle& ballerina = *obstacles[i];
        ballerina.kind = o.kind;
        ballerina.position = o.position;
        ballerina.angle = o.angle;
        ballerina.sadness = o.energy;
        restoreActor(*muses[i], recorder->entry(RewindRecorder::musePool, i, index));
        restoreActor(*powerUps[i], recorder->entry(RewindRecorder::powerUpPool, i, index));
        restoreActor(*projectiles[i], recorder->entry(RewindRecorder::projectilePool, i, index));
    }
}
