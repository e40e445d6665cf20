#pragma once

#include <cstdint>

#include "sim/SimButton.h"
#include "sim/SimMouse.h"
#include "sim/SimRunner.h"
#include "sim/SimSight.h"
#include "sim/SimSpeller.h"

// The simulation's player: plays a dance with the mouse as a person would,
// from what the screen shows (SimSight). It steers the cat onto the dancer
// it has chosen and holds her there while the Prima Ballerina throws
// (during a freeze carrying her into the crawling blossoms round her),
// fetches talents lying near her, freezes time whenever the Prima Ballerina
// runs low or loses hearts fast, turns to another dancer when its target
// keeps her hearts for long, and, when its Prima Ballerina runs low on
// energy (nearly happy), takes over a stronger ballerina, the more talents
// she has the better: the cat sits on her, a click opens the name entry, and
// the name on her badge is spelled from the shuffled row. A ballerina
// beyond the cat's reach is walked to in running time: frozen, the Prima
// Ballerina crawls with the others. Whether a dancer keeps her hearts or a
// talent stays out of reach is judged by the stage's time, which runs at a
// tenth while frozen.
//
// The cat moves by the mouse's motion (a hundredth of a unit per pixel, at
// most 30 pixels a frame) and is carried along with her, so the bot turns
// the stage offset it wants into pixels after taking off what her last step
// will carry the cat. The pointer stays inside the window's warp area: near
// its edge the hand is lifted and put back toward the middle.
class PlayerBot {
public:
    enum class Plan : std::uint8_t { dance, fetchTalent, takeOver, spell };

    explicit PlayerBot(float frameSeconds = 1.0f / 60.0f);

    SimInput step(const World& world, std::int32_t frame);
    // The SimRunner's bot step; context is the PlayerBot.
    static SimInput stepOf(const World& world, std::int32_t frame, void* context);

    Plan plan() const { return currentPlan; }
    std::int32_t target() const { return targetSlot; }
    std::int32_t freezes() const { return freezeCount; }
    std::int32_t lifts() const { return liftCount; }
    const SimMouse& mouse() const { return pointer; }

private:
    void lookAround();
    void chooseTarget();
    bool inDanger() const;
    std::int32_t takeOverCandidate() const;
    const SimSight::Thing* usefulTalent() const;
    const SimSight::Thing* blossomToMeet() const;
    void dance(SimButton::Wish& wish, bool& right);
    void watchStall(const SimSight::Dancer& d, bool& right);
    void fetch(const SimSight::Thing& talent);
    void takeOver(SimButton::Wish& wish, bool& right);
    void steerCatTo(Vector goal, float reach);
    void moveHand(std::int32_t dx, std::int32_t dy);
    Vector velocityOf(std::int32_t slot) const;
    std::int32_t energyLostRecently() const;

    float seconds;
    float clock = 0.0f;
    float stageClock = 0.0f;
    SimSight sight;
    SimMouse pointer;
    SimButton left;
    SimSpeller speller;
    Plan currentPlan = Plan::dance;

    Vector lastPrima;
    bool seenBefore = false;
    Vector lastDancer[SimSight::capacity];
    bool dancerSeen[SimSight::capacity] = {};
    Vector dancerVelocity[SimSight::capacity];

    std::int32_t targetSlot = -1;
    float onTargetFor = 0.0f;
    float dragClock = 0.0f;
    std::int32_t takeOverSlot = -1;
    bool takeOverInReach = false;
    bool unfreeze = false;
    std::int32_t stallSlot = -1;
    std::int32_t stallSadness = 0;
    float stallSince = 0.0f;
    float shunUntil[SimSight::capacity] = {};
    std::int32_t fetchSlot = -1;
    float fetchSince = 0.0f;
    float ignoreTalentUntil[SimSight::capacity] = {};
    std::int32_t spellSlot = -1;
    char lastPrimaName[11] = {};
    // Slots where a former Prima Ballerina of this dance dances: she counts
    // as happy already, so taking her over again gains nothing.
    bool formerPrima[SimSight::capacity] = {};
    float clickedAt = -10.0f;
    float freezeEndedAt = -100.0f;
    float rightPressedAt = -100.0f;
    bool wasFrozen = false;
    bool rightWasDown = false;
    std::int32_t freezeCount = 0;
    std::int32_t liftCount = 0;
    static constexpr int historySize = 8;
    std::int32_t energyHistory[historySize] = {};
    int historyIndex = 0;
    float historyClock = 0.0f;
};
