#pragma once

// A digest of what a World shows after a frame: every actor slot, the camera,
// the particles, the dance's counters, goals, clocks and name entry. Folded
// frame after frame into one number, it tells whether a change of the code
// changed a dance anywhere (velvetarium-sim --digest).

#include <cstdint>
#include <cstring>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/EffectPool.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "actors/PowerUp.h"
#include "actors/Projectile.h"
#include "world/World.h"

class WorldDigest {
public:
    std::uint64_t value() const { return hash; }

    void addFrame(const World& w) {
        for (int i = 0; i < w.poolSize; ++i) {
            const Avatar& a = *w.avatars[i];
            addActor(a);
            add(a.facing);
            add(a.catDistance);
            add(a.points);
            addText(a.name);
            const Obstacle& o = *w.obstacles[i];
            addActor(o);
            add(o.sadness);
            add(o.mode);
            add(o.moodFrame);
            add(o.points);
            addText(o.name);
            addActor(*w.muses[i]);
            addActor(*w.projectiles[i]);
            addActor(*w.powerUps[i]);
        }
        addActor(*w.camera);
        add(w.effects->busyCount());
        for (int i = 0; i < EffectPool::capacity; ++i) {
            const Effect& e = w.effects->effect(i);
            if (!e.busy()) continue;
            add(i);
            add(e.behaviour);
            addVector(e.position);
            add(e.life);
        }
        addVector(w.primaPosition);
        addVector(w.cameraPosition);
        addVector(w.viewOffset);
        add(w.zoom);
        add(w.level);
        add(w.difficulty);
        add(w.score);
        add(w.totalPoints);
        add(w.goalB);
        add(w.goalMuses);
        add(w.goalHappy);
        add(w.happyTotal);
        add(w.sungTotal);
        add(w.sungOverall);
        add(w.musesSinging);
        add(w.leftCount);
        add(w.primaHearts);
        for (std::uint8_t c : w.counts) add(c);
        for (std::uint8_t t : w.talentsNow) add(t);
        add(w.danceTime);
        add(w.levelTime);
        add(w.timeScale);
        add(w.frozen);
        add(w.rewinding);
        add(w.freezeElapsed);
        add(w.nameEntry);
        add(w.nameEntryElapsed);
        add(w.chosenObstacle);
        add(w.switchSucceeded);
        addText(w.shuffledLetters);
        add(w.letterCursor);
        add(w.wrongClicks);
        add(w.hintShown);
        addText(w.hintText);
        add(w.hintClock);
        for (float g : w.guideAngles) add(g);
        add(w.ballerinasOnScreen);
        add(w.musesOnScreen);
        add(w.primaTargetKind);
        add(w.primaTargetSlot);
    }

private:
    template <typename T>
    void add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) hash = (hash ^ b) * 1099511628211ULL;
    }
    void addVector(const Vector& v) {
        add(v.x);
        add(v.y);
        add(v.z);
    }
    template <std::size_t N>
    void addText(const char (&text)[N]) {
        for (std::size_t i = 0; i < N && text[i] != '\0'; ++i) add(text[i]);
        add('\0');
    }
    void addActor(const Actor& a) {
        add(a.kind);
        if (a.kind == 0) return;
        addVector(a.position);
        addVector(a.velocity);
        add(a.angle);
        add(a.speed);
        add(a.energy);
        add(a.width);
        add(a.height);
        add(a.age);
        add(a.carried);
        add(a.selected);
        add(a.blocked);
    }

    std::uint64_t hash = 14695981039346656037ULL;
};
