#include <cstdlib>
#include <cstring>
#include <utility>

#include "actors/Avatar.h"
#include "actors/Obstacle.h"
#include "world/World.h"

namespace {

// Copies a zero-terminated text into a zeroed field, at most size - 1 characters.
void copyText(char* to, std::size_t toSize, const char* from, std::size_t fromSize) {
    std::memset(to, 0, toSize);
    const std::size_t n = strnlen(from, fromSize);
    std::memcpy(to, from, n < toSize - 1 ? n : toSize - 1);
}

constexpr std::size_t nameLetters = 10;

}  // namespace

// The Prima Ballerina and the chosen ballerina exchange places and identities:
// the player now dances as the ballerina whose name was spelled, and the old
// Prima Ballerina stays on the stage as a happy ballerina.
void World::switchPrima(std::uint8_t slot) {
    if (!allocated || slot >= poolSize) return;
    Avatar& p = prima();
    Obstacle& o = *obstacles[slot];

    // 1. Places; both stand still after the exchange.
    const Vector primaWas = p.position;
    const Vector chosenWas = o.position;
    p.position = p.previousPosition = p.anchor = chosenWas;
    o.position = o.previousPosition = o.anchor = primaWas;
    p.velocity = o.velocity = Vector{};
    p.speed = o.speed = 0.0f;

    // 2. Identities. Names are ten letters; sayings are exchanged whole, so
    // that the badge never shows a cut saying.
    char primaName[Obstacle::nameSize];
    char primaSaying[sizeof p.saying];
    std::memcpy(primaName, p.name, sizeof primaName);
    std::memcpy(primaSaying, p.saying, sizeof primaSaying);
    copyText(p.name, sizeof p.name, o.name, nameLetters);
    copyText(p.saying, sizeof p.saying, o.saying, sizeof o.saying);
    copyText(o.name, sizeof o.name, primaName, nameLetters);
    copyText(o.saying, sizeof o.saying, primaSaying, sizeof primaSaying);

    std::swap(p.width, o.width);
    std::swap(p.height, o.height);
    std::swap(p.facing, o.angle);
    p.angle = p.facing;
    const std::int32_t primaEnergy = p.energy;
    p.energy = o.sadness;
    o.sadness = primaEnergy;
    for (int c = 1; c <= 3; ++c) {
        const std::int32_t primaCount = p.talents[c];
        p.talents[c] = o.talents[c];
        o.talents[c] = static_cast<std::uint8_t>(primaCount < 0 ? 0 : (primaCount > 255 ? 255 : primaCount));
    }
    // Three values of the actor base and the colour that go with the dancer.
    std::swap(p.age, o.age);
    std::swap(p.momentum, o.momentum);
    std::swap(p.lastMomentum, o.lastMomentum);
    std::swap(p.look, o.look);
    const std::int32_t primaPoints = p.points;
    p.points = o.points;
    o.points = primaPoints + pointsSinceSwitch;

    // 3. The old Prima Ballerina counts as happy. Her leaving still counts
    // among the ballerinas who left: she took the place of the dancer the
    // player became, and without her the dance could not be won any more.
    o.happy = 1;

    // 4. The floor takes the colours of the new Prima Ballerina's old slot.
    floorShade = 171;
    floorColourA = floorColourB = slot;

    // 5. The cat beyond the old Prima Ballerina, on the far side from the new
    // one. Its memory of her is moved along, so that it is not carried by
    // her jump at the next touch.
    Avatar& c = cat();
    c.position = primaWas * 2.0f - chosenWas;
    c.position.z = 0.0f;
    c.primaSeenAt = p.position;
}

void World::shuffleLetters() {
    std::memset(shuffledLetters, 0, 20);
    const Obstacle& o = chosenBallerina();
    letterCount = static_cast<std::int32_t>(strnlen(o.name, sizeof o.name));
    if (letterCount > 20) letterCount = 20;
    if (letterCount < 1) return;
    // The first letter always stays first.
    shuffledLetters[0] = o.name[0];
    for (int k = 1; k < letterCount; ++k) {
        int r = std::rand() % letterCount;
        if (shuffledLetters[r] == 0) {
            shuffledLetters[r] = o.name[k];
            continue;
        }
        r = std::rand() % letterCount;
        if (shuffledLetters[r] == 0) {
            shuffledLetters[r] = o.name[k];
            continue;
        }
        for (int e = 1; e < 20; ++e) {
            if (shuffledLetters[e] == 0) {
                shuffledLetters[e] = o.name[k];
                break;
            }
        }
    }
}

bool World::letterMatches(char c, int position) const {
    if (!allocated || position < 0 || position >= static_cast<int>(nameLetters)) return false;
    const Obstacle& o = chosenBallerina();
    return c != 0 && o.name[position] == c;
}
