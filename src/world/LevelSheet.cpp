#include "world/LevelSheet.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr float degreesToRadians = 0.017453292f;
constexpr std::uint8_t dancerFrames = 37;
constexpr std::uint8_t qFrames = 8;  // the 'q' sprite set has 8 pictures
constexpr std::uint8_t museFrames = 12;
constexpr std::uint8_t talentFrames = 8;
constexpr float itemAngle = 45.0f;   // muses, talents and landmarks stand turned
constexpr float formationZ = 0.5f;

std::uint8_t framesOfDancer(std::uint8_t kind) { return kind == LevelSheet::kindQ ? qFrames : dancerFrames; }

const PlacementEntry emptyEntry{};

}  // namespace

Vector ringPoint(Vector centre, float radius, int k, int count) {
    const float a = static_cast<float>(k) * 360.0f / static_cast<float>(count) * degreesToRadians;
    return Vector{centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), formationZ};
}

KindSize SizeHeader::of(std::uint8_t kind) const {
    if (kind == LevelSheet::kindPrima) return prima;
    if (kind == LevelSheet::kindCat) return cat;
    if (kind == LevelSheet::kindP) return ballerinaP;
    if (kind == LevelSheet::kindQ) return ballerinaQ;
    if (LevelSheet::placesBallerina(kind)) return ballerinaO;
    if (LevelSheet::placesMuse(kind)) return muse;
    if (kind >= LevelSheet::firstTalent && kind < LevelSheet::firstLandmark) return talent;
    if (LevelSheet::placesPowerUp(kind)) return landmark;
    return KindSize{};
}

LevelSheet::LevelSheet() { clearEntries(); }

void LevelSheet::clearEntries() {
    // Every field, not only the ones a placement reads: a table then depends
    // on nothing but its level and the talent-ring colours.
    for (PlacementEntry& e : entries) e = PlacementEntry{};
}

void LevelSheet::restart() {
    clearEntries();
    // The goals start from zero too, so a level's goals never leak into the
    // next one (every script names all three anyway).
    for (std::int32_t& g : goals) g = 0;
    header.prima = {0.175f, 0.175f};
    header.cat = {0.025f, 0.025f};
    header.ballerinaO = {0.175f, 0.175f};
    header.ballerinaP = {0.3f, 0.3f};
    header.ballerinaQ = {0.25f, 0.25f};
    header.muse = {0.4f, 0.4f};
    header.talent = {0.2f, 0.2f};
    header.landmark = {0.2f, 0.2f};
    writeCursor = 1;
}

const PlacementEntry& LevelSheet::entry(int index) const {
    if (index < 0 || index >= entryCount) return emptyEntry;
    return entries[index];
}

std::int32_t LevelSheet::goal(int index) const {
    if (index < 0 || index >= goalCount) return 0;
    return goals[index];
}

int LevelSheet::countKind(std::uint8_t kind) const {
    int n = 0;
    for (const PlacementEntry& e : entries)
        if (e.kind == kind) ++n;
    return n;
}

void LevelSheet::setGoals(std::int32_t b, std::int32_t muses, std::int32_t happy) {
    goals[0] = b;
    goals[1] = muses;
    goals[2] = happy;
}

PlacementEntry* LevelSheet::nextEntry() {
    const int index = writeCursor;
    ++writeCursor;
    if (index < 0 || index >= entryCount) return nullptr;
    return &entries[index];
}

void LevelSheet::writeActor(std::uint8_t kind, Vector at, std::uint8_t frames, float angle, std::uint32_t value) {
    PlacementEntry* e = nextEntry();
    if (!e) return;
    *e = PlacementEntry{};
    const KindSize size = header.of(kind);
    e->kind = kind;
    e->position = at;
    e->width = size.width;
    e->height = size.height;
    e->angle = angle;
    e->frames = frames;
    e->value = value;
}

void LevelSheet::writeDancer(Vector at, const DancerTraits& dancer, std::uint8_t lookKind) {
    PlacementEntry* e = nextEntry();
    if (!e) return;
    const KindSize size = header.of(lookKind);
    e->kind = dancer.kind;
    e->position = at;
    e->width = size.width;
    e->height = size.height;
    e->angle = dancer.angle;
    e->frames = framesOfDancer(lookKind);
    e->value = dancer.value;
    e->energy = dancer.energy;
    e->blue = dancer.blue;
    e->green = dancer.green;
    e->red = dancer.red;
    e->groupType = dancer.groupType;
    e->groupNumber = dancer.groupNumber;
    e->home = dancer.home;
}

DancerTraits traits(std::uint8_t kind, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                    std::uint8_t red, std::uint8_t groupType, std::uint8_t groupNumber, Vector home, float angle) {
    DancerTraits t;
    t.kind = kind;
    t.energy = energy;
    t.blue = blue;
    t.green = green;
    t.red = red;
    t.groupType = groupType;
    t.groupNumber = groupNumber;
    t.home = home;
    t.angle = angle;
    return t;
}

// The Prima Ballerina and the cat are written as dancers of no group.
void LevelSheet::writeAvatar(std::uint8_t kind, Vector at, std::uint8_t energy, std::uint8_t blue,
                              std::uint8_t green, std::uint8_t red) {
    writeDancer(at, traits(kind, energy, blue, green, red, 0, 0), kind);
}

void LevelSheet::placePrima(Vector at, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                             std::uint8_t red) {
    writeAvatar(kindPrima, at, energy, blue, green, red);
}

void LevelSheet::placeCat(Vector at, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                           std::uint8_t red) {
    writeAvatar(kindCat, at, energy, blue, green, red);
}

void LevelSheet::placeDancer(Vector at, const DancerTraits& dancer) { writeDancer(at, dancer, dancer.kind); }

void LevelSheet::placeTalent(std::uint8_t kind, Vector at) { writeActor(kind, at, talentFrames, itemAngle); }

void LevelSheet::placeMuse(Vector at) { writeActor(kindMuse, at, museFrames, itemAngle); }

// A line is a row of named ballerinas' places: every entry takes the 'o'
// size and frame count, whatever kind it holds. A ring sizes each by kind.
void LevelSheet::ballerinaLine(Vector from, Vector to, int count, const DancerTraits& dancer) {
    if (count < 1) return;
    const Vector step = (to - from) / static_cast<float>(count);
    for (int k = 0; k < count; ++k) {
        Vector at = from + step * static_cast<float>(k);
        at.z = formationZ;
        writeDancer(at, dancer, kindO);
    }
}

void LevelSheet::ballerinaRing(Vector centre, float radius, int count, const DancerTraits& dancer) {
    for (int k = 0; k < count; ++k) writeDancer(ringPoint(centre, radius, k, count), dancer, dancer.kind);
}

void LevelSheet::museRing(Vector centre, float radius, int count, std::uint32_t value) {
    for (int k = 0; k < count; ++k)
        writeActor(kindMuse, ringPoint(centre, radius, k, count), museFrames, itemAngle, value);
}

void LevelSheet::museLine(Vector from, Vector to, int count, std::uint32_t value) {
    if (count < 1) return;
    const Vector step = (to - from) / static_cast<float>(count);
    for (int k = 0; k < count; ++k) {
        Vector at = from + step * static_cast<float>(k);
        at.z = formationZ;
        writeActor(kindMuse, at, museFrames, itemAngle, value);
    }
}

void LevelSheet::talentRing(Vector centre, float radius, int count, std::uint32_t value) {
    for (int k = 0; k < count; ++k) {
        Vector at = ringPoint(centre, radius, k, count);
        at.z = 0.0f;
        const auto kind = static_cast<std::uint8_t>(firstTalent + std::rand() % 4);
        writeActor(kind, at, talentFrames, itemAngle, value);
    }
}

void LevelSheet::landmarks() {
    placeTalent(138, Vector{49.973f, -29.676f, 0.0f});
    placeTalent(135, Vector{-35.635f, 30.008f, 0.0f});
    placeTalent(136, Vector{-6.475f, -20.079f, 0.0f});
    placeTalent(137, Vector{-34.588f, 1.958f, 0.0f});
}
