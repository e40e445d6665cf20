#include <cmath>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "actors/RewindRecorder.h"
#include "audio/SoundBank.h"
#include "world/World.h"

namespace {

// The World's own particle effects, patterns 'U' to 'Z'.
constexpr int effectOf(char pattern) { return 85 + (pattern - 'U'); }

constexpr int soundMedal = 99;
constexpr int soundChangePossible = 98;
constexpr int soundChanged = 97;
constexpr int soundFreeze = 96;
constexpr int soundRewind = 92;
constexpr int soundTryChange = 91;
constexpr int soundLetter = 90;
constexpr int soundWrongLetter = 88;
constexpr int soundRightLetter = 87;
constexpr int freezeEarlyLoop = 107;
constexpr int freezeLateLoop = 108;
constexpr float centred = 0.001f;  // distance and offset of the sounds that play at full volume

float planarDistance(const Vector& a, const Vector& b) {
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void World::requestEffects() {
    const Vector cameraAt = camera->position;
    const Avatar& p = prima();
    if (camera->moving == Camera::movingFlag && sinceClick < 1.0f)
        effects->spawnAt(effectOf('U'), Kind::camera, 0, cameraAt, 0.0f);
    if (rewinding && rewindIndex < recorder->count()) effects->spawnAt(effectOf('V'), p.kind, 1, p.position, p.facing);
    if (rightLetterFlag) effects->spawnAt(effectOf('W'), Kind::camera, 0, cameraAt, 0.0f);
    if (wrongLetterFlag) effects->spawnAt(effectOf('X'), Kind::camera, 0, cameraAt, 0.0f);
    if (switchDone && switchSucceeded) effects->spawnAt(effectOf('Y'), p.kind, 1, p.position, p.facing);
    if (switchDone && !switchSucceeded) effects->spawnAt(effectOf('Z'), p.kind, 1, p.position, p.facing);

    for (int i = 0; i < poolSize; ++i) {
        const auto owner = static_cast<std::uint8_t>(i);
        // A ballerina who became happy in the last update has freed her slot
        // but still asks for her farewell effect; like a burst blossom's, it
        // belongs to nobody (kind 0), so the next actor in the slot does not
        // carry it off.
        const Obstacle& o = *obstacles[i];
        if (planarDistance(o.position, cameraAt) < viewRadius) {
            for (const EffectRequest& r : o.effects.slots)
                if (r.active) effects->spawnAt(r.effect, o.kind, owner, r.position, r.angle);
        }
        const Avatar& a = *avatars[i];
        for (const EffectRequest& r : a.effects.slots)
            if (r.active) effects->spawnAt(r.effect, a.kind, owner, r.position, r.angle);
        const Muse& m = *muses[i];
        if (m.updated) effects->spawnAt(m.effectKind, Kind::muse, owner, m.effectPosition, m.effectAngle);
        // Talents raise no requests of their own: their collector shows the taking.
        const Projectile& b = *projectiles[i];
        if (b.effectPending() && planarDistance(b.effectPosition, cameraAt) < viewRadius)
            effects->spawnAt(b.effectKind, b.kind, owner, b.effectPosition, b.effectAngle);
    }
}

void World::requestSounds() {
    const float range = sounds->countBusyChannels(2.0f * viewRadius);
    const Avatar& p = prima();
    const Vector listener = p.position;

    if (frozen && freezeElapsed < freezeLimit) {
        const int loop = freezeElapsed < 0.5f * freezeLimit ? freezeEarlyLoop : freezeLateLoop;
        sounds->reportAmbient(loop, 0, centred, range, centred);
    }
    const bool lowEnergy = difficulty == 1 ? primaHearts < 40 : primaHearts < 60;
    for (int i = 0; i < poolSize; ++i) {
        const Avatar& a = *avatars[i];
        if (lowEnergy && a.kind != 0)
            sounds->reportAmbient(a.kind, i, planarDistance(a.position, listener), range, a.position.x - listener.x);
        for (const EffectRequest& r : a.effects.slots)
            if (r.active)
                sounds->playEvent(r.effect, planarDistance(r.position, listener), range, r.position.x - listener.x);
    }

    for (int i = 0; i < poolSize; ++i) {
        const Projectile& b = *projectiles[i];
        const float bd = planarDistance(b.position, listener);
        if (b.kind != 0 && bd < range) sounds->reportAmbient(b.kind, i, bd, range, b.position.x - listener.x);
        if (b.effectPending() && bd < range) sounds->playEvent(b.effectKind, bd, range, b.position.x - listener.x);

        const Obstacle& o = *obstacles[i];
        const float od = planarDistance(o.position, listener);
        if (od < range) {
            if (o.kind != 0) sounds->reportAmbient(o.kind, i, od, range, o.position.x - listener.x);
            for (const EffectRequest& r : o.effects.slots)
                if (r.active) sounds->playEvent(r.effect, od, range, r.position.x - listener.x);
        }

        const Muse& m = *muses[i];
        const float md = planarDistance(m.position, listener);
        if (m.kind != 0 && md < range) {
            sounds->reportAmbient(m.kind, i, md, range, m.position.x - listener.x);
            if (m.updated) sounds->playEvent(m.effectKind, md, range, m.position.x - listener.x);
        }

        const PowerUp& t = *powerUps[i];
        const float td = planarDistance(t.position, listener);
        if (t.kind != 0 && td < range) sounds->reportAmbient(t.kind, i, td, range, t.position.x - listener.x);
    }

    // The singing muses drive the alarm loop; once none sings it fades out.
    if (musesSinging > 0)
        sounds->setAlarmLoop(musesSinging, centred, range, centred);
    else if (sounds->lastAlarmLevel() > 1)
        sounds->setAlarmLoop(1, centred, range, centred);

    // Each medal of the level's table is announced once per dance.
    for (int m = 0; m < 3; ++m) {
        if (!medalAnnounced[m] && medalReached(m)) {
            sounds->playEvent(soundMedal, centred, range, centred);
            medalAnnounced[m] = true;
        }
    }

    if (hasChosen) sounds->playEvent(soundChangePossible, centred, range, centred);
    if (rightLetterFlag) {
        sounds->playEvent(soundRightLetter, centred, range, centred);
        rightLetterFlag = false;
    }
    if (wrongLetterFlag) {
        sounds->playEvent(soundWrongLetter, centred, range, centred);
        wrongLetterFlag = false;
    }
    if (switchSucceeded) sounds->playEvent(soundChanged, centred, range, centred);
    if (freezeStarted) sounds->playEvent(soundFreeze, centred, range, centred);
    // The rewind and the try sounds play once as their state begins, not
    // restarted in every frame it lasts.
    if (rewinding && !rewindSounded) sounds->playEvent(soundRewind, centred, range, centred);
    rewindSounded = rewinding;
    if (nameEntry && !nameEntrySounded) sounds->playEvent(soundTryChange, centred, range, centred);
    nameEntrySounded = nameEntry;
    // Used up like the other two: an entry that ends in the frame after a
    // letter (Escape, time-out, the fourth wrong click) would leave it set.
    if (letterFlag) {
        sounds->playEvent(soundLetter, centred, range, centred);
        letterFlag = false;
    }

    forgetFreedRequests();
}

// A ballerina's requests are cleared by her own update, which a freed slot
// no longer runs: once read, the farewell of a ballerina who left is dropped.
void World::forgetFreedRequests() {
    for (int i = 0; i < poolSize; ++i)
        if (obstacles[i]->kind == 0) obstacles[i]->effects.clear();
}
