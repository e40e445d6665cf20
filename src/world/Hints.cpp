#include <cmath>
#include <cstdio>
#include <cstring>

#include "actors/Avatar.h"
#include "actors/Motion.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "world/World.h"

namespace {

constexpr float hintsFrom = 2.0f;          // no hints in a level's first seconds
constexpr float guideSearchLimit = 100.0f;

enum Guide { toBallerina = 0, toUnhappy = 1, toMuse = 2 };

}  // namespace

void World::chooseHintCandidate() {
    const Avatar& p = prima();
    const Obstacle& chosen = chosenBallerina();
    const int onScreen = ballerinasOnScreen;
    hintCandidate = 0;
    if (onScreen == 0) hintCandidate = 2;
    if (onScreen > 0 && !catOnBallerina) hintCandidate = 10;
    if (onScreen > 0 && catOnBallerina) hintCandidate = 11;
    if (2 * (p.blue() + p.red()) <= chosen.blue() + chosen.red() && p.energy >= 51 && catOnBallerina)
        hintCandidate = 13;
    if (onScreen > 5) hintCandidate = 4;
    if (frozen && onScreen > 0 && catOnBallerina) hintCandidate = 5;
    if (frozen && onScreen == 0) hintCandidate = 6;
    if (p.energy < 40 && onScreen > 0) hintCandidate = 3;
    if (p.energy < 40 && onScreen == 0 && musesOnScreen > 0) hintCandidate = 18;
    if (nameEntry) hintCandidate = 1;
    if (nameEntry && wrongClicks > 0) hintCandidate = 12;
}

void World::updateHints(float seconds) {
    if (!allocated) return;
    hintText[0] = 0;
    chooseHintCandidate();

    // Hints that show at once, whatever the rotation (later ones win).
    const auto showNow = [this](int hint) {
        hintShown = hint;
        hintClock = 0.0f;
    };
    const Obstacle& chosen = chosenBallerina();
    if (talentsNow[0] > talentsBefore[0] && sinceSelection >= 1.0f) showNow(15);
    if (talentsNow[1] > talentsBefore[1] && sinceSelection >= 1.0f) showNow(16);
    if (talentsNow[2] > talentsBefore[2] && sinceSelection >= 1.0f) showNow(17);
    if (chosen.sadness < 1 && chosen.kind == Kind::ballerina) showNow(14);
    if (switchSucceeded) showNow(19);
    if (medalReached(0) && !medalAnnounced[0]) showNow(7);
    if (medalReached(1) && !medalAnnounced[1]) showNow(8);
    if (medalReached(2) && !medalAnnounced[2]) showNow(9);

    // Rotation: a candidate shows for hintDuration, then the line stays
    // empty as long, unless the candidate changes.
    if (hintClock >= hintDuration) {
        hintShown = hintCandidate != lastHint ? hintCandidate : 0;
        hintClock = 0.0f;
    } else {
        lastHint = hintShown;
    }
    hintClock += seconds;

    if (level == guidedDanceLevel || levelTime < hintsFrom) {
        hintCandidate = 0;
        hintShown = 0;
    }
    composeHint();
}

void World::composeHint() {
    char primaName[11] = {};
    char chosenName[11] = {};
    std::memcpy(primaName, prima().name, 10);
    std::memcpy(chosenName, chosenBallerina().name, 10);
    const char* P = primaName;
    const char* B = chosenName;
    char* out = hintText;
    const std::size_t room = sizeof hintText;
    switch (hintShown) {
    case 1: std::snprintf(out, room, "Enter your new Prima Ballerinas name"); break;
    case 2: std::snprintf(out, room, "Follow the butterfly to a near Ballerina"); break;
    case 3: std::snprintf(out, room, "Left click a Ballerina with a few hearts"); break;
    case 4: std::snprintf(out, room, "Right click to freeze time and stop chaos"); break;
    case 5: std::snprintf(out, room, "Now move the Ballerinas through blossoms"); break;
    case 6: std::snprintf(out, room, "Right click to return to normal time"); break;
    case 7: std::snprintf(out, room, "You received a gold medal."); break;
    case 8: std::snprintf(out, room, "You received a silver medal"); break;
    case 9: std::snprintf(out, room, "You received a bronze medal"); break;
    case 10: std::snprintf(out, room, "Place the cat on a Ballerina"); break;
    case 11: std::snprintf(out, room, "%ss flowers make %s very happy", P, B); break;
    case 12: std::snprintf(out, room, "Quit this menu with three wrong clicks"); break;
    case 13: std::snprintf(out, room, "Left click the more talented %s", B); break;
    case 14: std::snprintf(out, room, "%s has happily left this dance", B); break;
    case 15: std::snprintf(out, room, "Blue talents let %s throw more blossoms", P); break;
    case 16: std::snprintf(out, room, "Green talents allow %s to move faster", P); break;
    case 17: std::snprintf(out, room, "Red talents let %s throw nicer blooms", P); break;
    case 18: std::snprintf(out, room, "Place the cat on a Muse and earn talents"); break;
    case 19: std::snprintf(out, room, "%s is your new Prima Ballerina", P); break;
    default: hintText[0] = 0; break;
    }
}

// The nearest target by its distance to the view point; the pointer sits at
// `distance` from the Prima Ballerina toward it, relative to the view.
Vector World::guideTo(int which, float distance, bool shown) {
    if (!allocated || !shown) return Vector{};
    float nearest = guideSearchLimit;
    const Actor* target = nullptr;
    for (int i = 0; i < poolSize; ++i) {
        const Actor* candidate = nullptr;
        if (which == toMuse) {
            const Muse& m = *muses[i];
            if (m.kind != 0 && !m.sang) candidate = &m;
        } else {
            const Obstacle& o = *obstacles[i];
            if (o.kind == Kind::ballerina && (which == toBallerina || !o.happy)) candidate = &o;
        }
        if (candidate == nullptr) continue;
        const float d = (candidate->position - cameraPosition).length();
        if (d < nearest) {
            nearest = d;
            target = candidate;
        }
    }
    if (target == nullptr) return Vector{};
    const Vector primaAt = prima().position;
    const float a = angleToward(primaAt, target->position);
    guideAngles[which] = a;
    Vector result = (primaAt - cameraPosition) + headingVector(a) * distance;
    result.z = 0.0f;
    return result;
}

Vector World::guideToBallerina() {
    return guideTo(toBallerina, 0.9f, counts[countObstaclesIndex] > 0 && ballerinasOnScreen == 0);
}

Vector World::guideToUnhappy() { return guideTo(toUnhappy, 0.5f, unhappyLeft > 0 && unhappyOnScreen == 0); }

Vector World::guideToMuse() {
    const bool unsung = counts[countMusesIndex] != static_cast<std::uint8_t>(sungNow);
    return guideTo(toMuse, 1.3f, counts[countMusesIndex] > 0 && unsung && musesOnScreen == 0);
}
