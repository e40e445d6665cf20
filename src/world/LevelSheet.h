#pragma once

#include <cstdint>

#include "actors/Vector.h"

// Width and height of a kind's picture in stage units.
struct KindSize {
    float width = 0.0f;
    float height = 0.0f;
};

// The sizes every level uses, rewritten by each build.
struct SizeHeader {
    KindSize prima;
    KindSize cat;
    KindSize ballerinaO;
    KindSize ballerinaP;
    KindSize ballerinaQ;
    KindSize muse;
    KindSize talent;
    KindSize landmark;

    // The size of a kind as placed: ballerina kinds other than 'p' and 'q'
    // take the 'o' size; kinds that are never placed get 0 x 0.
    KindSize of(std::uint8_t kind) const;
};

// One row of the placement table.
struct PlacementEntry {
    std::uint8_t kind = 0;  // 0 = empty
    Vector position;        // z is 0.0 or 0.5; no rule reads it
    float width = 0.0f;
    float height = 0.0f;
    float angle = 0.0f;     // degrees
    std::uint8_t frames = 1;
    std::uint32_t value = 0;
    std::uint8_t energy = 0;  // Prima and cat: energy; ballerinas: sadness (100 = no hearts)
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t groupType = 0;    // ballerinas: 1 attacking, 2 fixed point, 3 ungrouped hunters, 7 gathering
    std::uint8_t groupNumber = 0;  // ballerinas: which group of that type (0 = none)
    Vector home;                   // the point the ballerina's group gathers around
};

// What a ballerina formation hands to each of its dancers.
struct DancerTraits {
    std::uint8_t kind = 111;  // 'o'
    std::uint8_t energy = 100;
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t groupType = 1;
    std::uint8_t groupNumber = 0;
    Vector home;
    float angle = 0.0f;
    std::uint32_t value = 0;
};

// Shorthand for a dancer's traits, as the scripts' formations write them.
DancerTraits traits(std::uint8_t kind, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                    std::uint8_t red, std::uint8_t groupType, std::uint8_t groupNumber, Vector home = Vector{},
                    float angle = 0.0f);

// The placement table of one level: a cursor, the size header, 130 entries
// and the goals. A level's script (LevelScripts.h) fills it through the
// writers below; the LevelLayout runs the script, and World::startLevel
// turns entries 1..119 into actors.
class LevelSheet {
public:
    static constexpr int entryCount = 130;
    // Entries 1..readLimit-1 are read by the placement; entry 0 stays unused.
    static constexpr int readLimit = 120;
    static constexpr int goalCount = 5;  // goalB, goalMuses, goalHappy and two spares

    static constexpr std::uint8_t kindPrima = 101;     // 'e'
    static constexpr std::uint8_t kindCat = 106;       // 'j'
    static constexpr std::uint8_t kindO = 111;         // 'o'
    static constexpr std::uint8_t kindP = 112;         // 'p'
    static constexpr std::uint8_t kindQ = 113;         // 'q'
    static constexpr std::uint8_t kindMuse = 161;
    static constexpr std::uint8_t firstTalent = 131;   // 131..134 talents
    static constexpr std::uint8_t firstLandmark = 135; // 135..138 landmarks

    // Which pool an entry of this kind goes into.
    static constexpr bool placesBallerina(unsigned k) { return k >= 111 && k <= 130; }
    static constexpr bool placesMuse(unsigned k) { return k >= 161 && k <= 170; }
    static constexpr bool placesPowerUp(unsigned k) { return k >= 131 && k <= 138; }

    LevelSheet();

    // A blank table for the next script: every entry and the goals cleared,
    // the size header written, the cursor at entry 1.
    void restart();

    // --- reading --------------------------------------------------------
    // Entry 0..129; any other index gives an empty entry.
    const PlacementEntry& entry(int index) const;
    const SizeHeader& sizes() const { return header; }
    int cursor() const { return writeCursor; }
    std::int32_t goalB() const { return goals[0]; }
    std::int32_t goalMuses() const { return goals[1]; }
    std::int32_t goalHappy() const { return goals[2]; }
    // Goal 0..4; any other index gives 0.
    std::int32_t goal(int index) const;
    // Number of entries of a kind within the whole table.
    int countKind(std::uint8_t kind) const;

    // --- writing (for the level scripts) --------------------------------
    // Every writer puts its entries at the cursor and leaves the cursor after
    // the last one. Entries past the end of the table are dropped.
    void setCursor(int index) { writeCursor = index; }
    void setGoals(std::int32_t b, std::int32_t muses, std::int32_t happy);

    void placePrima(Vector at, std::uint8_t energy, std::uint8_t blue, std::uint8_t green, std::uint8_t red);
    void placeCat(Vector at, std::uint8_t energy, std::uint8_t blue, std::uint8_t green, std::uint8_t red);
    // One ballerina at the point as given (scripts pass z = 0.5).
    void placeDancer(Vector at, const DancerTraits& dancer);
    void placeTalent(std::uint8_t kind, Vector at);
    void placeMuse(Vector at);

    // The six placers. Angles are degrees; ring entry k sits at angle
    // k x 360 / n from the +x axis. Lines put entry k at A + k (B - A) / n,
    // so B itself is never used. A count below 1 writes nothing.
    void ballerinaLine(Vector from, Vector to, int count, const DancerTraits& dancer);
    void ballerinaRing(Vector centre, float radius, int count, const DancerTraits& dancer);
    void museRing(Vector centre, float radius, int count, std::uint32_t value = 0);
    void museLine(Vector from, Vector to, int count, std::uint32_t value = 0);
    // Each talent's kind is 131 + rand() % 4: the ring's colours are random.
    void talentRing(Vector centre, float radius, int count, std::uint32_t value = 0);
    // Four fixed entries far out on the stage: 138, 135, 136, 137.
    void landmarks();

private:
    PlacementEntry* nextEntry();  // the entry at the cursor (or null past the end); advances
    void writeActor(std::uint8_t kind, Vector at, std::uint8_t frames, float angle, std::uint32_t value = 0);
    // The entry's size and frame count are those of lookKind (the dancer's
    // own kind unless a formation says otherwise).
    void writeDancer(Vector at, const DancerTraits& dancer, std::uint8_t lookKind);
    void writeAvatar(std::uint8_t kind, Vector at, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                     std::uint8_t red);
    void clearEntries();

    int writeCursor = 1;
    SizeHeader header;
    PlacementEntry entries[entryCount];
    std::int32_t goals[goalCount] = {};
};

// Point k of n on a circle, as the ring placers use it.
Vector ringPoint(Vector centre, float radius, int k, int count);
