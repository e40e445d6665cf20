#include "sim/PlayerBot.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "actors/Actor.h"

namespace {

constexpr float catReach = 3.4f;          // the cat stays this near her: the leash lets go at 3.7
constexpr float clickReach = 3.9f;        // a dancer this near her can be clicked: the leash pulls at 4.2
constexpr float beyondReachCost = 30.0f;  // in danger, hearts a far ballerina loses per unit beyond that
constexpr float unfreezeAfter = 0.6f;     // seconds after a right click before one that ends the freeze
constexpr float pixelsPerUnit = 100.0f;   // the cat's steering: a hundredth of a unit per pixel
constexpr std::int32_t stepLimit = 30;    // pixels a frame the cat follows
constexpr std::int32_t liftMargin = 24;   // pixels from the warp area's edge where the hand is lifted
constexpr std::int32_t middleX = 512;
constexpr std::int32_t middleY = 384;
constexpr std::int32_t dangerEnergy = 40;      // her energy below this: look for a stronger ballerina
constexpr std::int32_t strongerBy = 25;        // whose sadness exceeds that energy by this much
constexpr std::int32_t strongEnough = 40;      // a ballerina taken over for the goals has this sadness at least
constexpr float talentReach = 2.5f;            // talents this near her are worth a detour
constexpr float talentUnderfoot = 1.2f;        // and this near even while she throws
constexpr std::int32_t freezeEnergy = 35;      // her energy below this: freeze time
constexpr std::int32_t fallingFast = 10;       // and so with this much energy lost within two seconds
constexpr float refreezeAfter = 0.5f;          // seconds after a freeze before the next
constexpr float talentWorth = 10.0f;           // a talent of a ballerina to take over, in hearts
constexpr float farSide = 0.12f;               // the cat this far behind her, seen from the Prima Ballerina
constexpr float carriedWithin = 0.1f;          // a held dancer stands on the cat
constexpr float tooClose = 1.55f;              // a held dancer nearer her than this is drawn back (she circles within 1.5)
constexpr float keepAt = 1.75f;                // to this distance: a short drag, a short chase
constexpr float longestDrag = 1.5f;            // seconds of dragging before a rest as long
constexpr float dragStep = 0.02f;              // units a frame a held dancer is dragged
constexpr float meetStep = 0.03f;              // and carried into blossoms while frozen
constexpr float meetFrom = 0.6f;               // blossoms nearer her than this are left where they are
constexpr std::int32_t meetEnergy = 50;        // her energy below this: the freeze is left to shield her
constexpr float holdAfter = 0.25f;             // seconds on a dancer before the finger holds her
constexpr float rightClickPause = 2.0f;        // a right click that froze nothing is tried again after this
constexpr float clickRetry = 1.2f;             // a click that opened no entry is tried again after this
constexpr float targetStickiness = 1.5f;       // a new dancer must be this much better to change
constexpr float stallFreeze = 4.0f;            // seconds her target keeps her hearts before a freeze
constexpr float stallGiveUp = 12.0f;           // and before she turns to another dancer
constexpr float shunFor = 20.0f;               // for this long
constexpr float shunCost = 6.0f;               // a shunned dancer counts as this much farther
constexpr float fetchGiveUp = 5.0f;            // seconds after which a talent not yet taken is left alone

float distance(const Vector& a, const Vector& b) {
    const float dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

// From a point toward a goal by at most a step, on the stage's plane.
Vector stepToward(const Vector& from, const Vector& goal, float most) {
    Vector way = goal - from;
    way.z = 0.0f;
    const float length = way.length();
    return length > most ? from + way * (most / length) : goal;
}

std::int32_t toPixels(float units) {
    const float p = std::round(units * pixelsPerUnit);
    if (!std::isfinite(p)) return 0;
    return static_cast<std::int32_t>(std::clamp(p, -static_cast<float>(stepLimit), static_cast<float>(stepLimit)));
}

}  // namespace

PlayerBot::PlayerBot(float frameSeconds) : seconds(frameSeconds > 0.0f ? frameSeconds : 1.0f / 60.0f) {
    pointer.place(middleX, middleY);
}

SimInput PlayerBot::stepOf(const World& world, std::int32_t frame, void* context) {
    return static_cast<PlayerBot*>(context)->step(world, frame);
}

SimInput PlayerBot::step(const World& world, std::int32_t /*frame*/) {
    sight.look(world);
    clock += seconds;
    // The stage's own time runs at a tenth while frozen, as the dancers do:
    // a dancer or a talent is given up by that time, not by the hand's.
    stageClock += sight.frozen ? seconds / 10.0f : seconds;
    lookAround();
    if (wasFrozen && !sight.frozen) freezeEndedAt = clock;
    wasFrozen = sight.frozen;

    SimButton::Wish wish = SimButton::rest;
    bool right = false;
    if (sight.nameEntry) {
        currentPlan = Plan::spell;
        if (!speller.active()) {
            const SimSight::Dancer* chosen = sight.dancerInSlot(sight.badgeSlot);
            speller.begin(chosen != nullptr ? chosen->name : "");
            spellSlot = sight.badgeSlot;
        }
        const SimSpeller::Move move = speller.frame(sight, seconds);
        // The cat stands still while a name is entered: the hand can drift
        // back toward the middle, up and down freely, sideways by single
        // pixels, which the letter cursor ignores.
        std::int32_t dx = move.dx;
        if (dx == 0 && pointer.x() != middleX) dx = pointer.x() < middleX ? 1 : -1;
        const std::int32_t dy = std::clamp(middleY - pointer.y(), -stepLimit, stepLimit);
        pointer.move(dx, dy);
        if (move.click) wish = SimButton::tap;
    } else {
        speller.end();
        takeOverSlot = takeOverCandidate();
        const SimSight::Thing* talent = usefulTalent();
        // A dancer held under fire is not dropped for a talent a few steps away.
        if (talent != nullptr && onTargetFor > holdAfter && sight.primaEnergy >= 50 &&
            distance(talent->position, sight.prima) > talentUnderfoot)
            talent = nullptr;
        if (takeOverSlot >= 0) {
            currentPlan = Plan::takeOver;
            takeOver(wish, right);
        } else if (talent != nullptr) {
            currentPlan = Plan::fetchTalent;
            // A talent she keeps running round without taking it (it slips
            // away from her, or she circles it) is left alone for a while.
            if (talent->slot != fetchSlot) {
                fetchSlot = talent->slot;
                fetchSince = stageClock;
            } else if (stageClock - fetchSince > fetchGiveUp && fetchSlot >= 0 && fetchSlot < SimSight::capacity) {
                ignoreTalentUntil[fetchSlot] = stageClock + shunFor;
                fetchSlot = -1;
            }
            fetch(*talent);
        } else {
            currentPlan = Plan::dance;
            dance(wish, right);
        }
        // With her hearts low, or ten lost within two seconds, a freeze gives
        // her a breather whatever she is doing: the others throw at a tenth
        // of their pace while she keeps hers.
        // Not while she walks to a ballerina beyond the cat's reach: frozen she would crawl.
        const bool threatened = (sight.primaEnergy < freezeEnergy || energyLostRecently() >= fallingFast) &&
                                !(currentPlan == Plan::takeOver && !takeOverInReach);
        if (threatened && !sight.frozen && clock - freezeEndedAt > refreezeAfter) right = true;
    }

    SimInput input;
    input.leftButton = left.frame(wish, seconds);
    // A right click lasts one frame, and never while frozen: that would end
    // the freeze. One that froze nothing (the guided dance) is not hammered.
    const bool freeze = right && !sight.frozen && clock - rightPressedAt > rightClickPause;
    input.rightButton = (freeze || (unfreeze && sight.frozen)) && !rightWasDown;
    if (input.rightButton) {
        if (freeze) ++freezeCount;
        rightPressedAt = clock;
    }
    unfreeze = false;
    rightWasDown = input.rightButton;
    input.mouseX = pointer.x();
    input.mouseY = pointer.y();
    lastPrima = sight.prima;
    seenBefore = true;
    return input;
}

std::int32_t PlayerBot::energyLostRecently() const {
    // Her energy over the last two seconds, one entry every 0.25 s.
    std::int32_t most = sight.primaEnergy;
    for (const std::int32_t e : energyHistory) most = std::max(most, e);
    return most - sight.primaEnergy;
}

void PlayerBot::lookAround() {
    historyClock += seconds;
    if (historyClock >= 0.25f) {
        historyClock = 0.0f;
        energyHistory[historyIndex] = sight.primaEnergy;
        historyIndex = (historyIndex + 1) % historySize;
    }

    // A new name around her: the ballerina whose name was spelled is now
    // the one who was the Prima Ballerina.
    if (seenBefore && std::strncmp(lastPrimaName, sight.primaName, 10) != 0 && spellSlot >= 0 &&
        spellSlot < SimSight::capacity)
        formerPrima[spellSlot] = true;
    std::memcpy(lastPrimaName, sight.primaName, sizeof lastPrimaName);

    bool present[SimSight::capacity] = {};
    for (int i = 0; i < sight.dancerCount; ++i) {
        const SimSight::Dancer& d = sight.dancers[i];
        if (d.slot < 0 || d.slot >= SimSight::capacity) continue;
        present[d.slot] = true;
        dancerVelocity[d.slot] = dancerSeen[d.slot] ? (d.position - lastDancer[d.slot]) / seconds : Vector{};
        lastDancer[d.slot] = d.position;
        dancerSeen[d.slot] = true;
    }
    for (int s = 0; s < SimSight::capacity; ++s)
        if (!present[s]) dancerSeen[s] = formerPrima[s] = false;
}

Vector PlayerBot::velocityOf(std::int32_t slot) const {
    if (slot < 0 || slot >= SimSight::capacity) return Vector{};
    return dancerVelocity[slot];
}

bool PlayerBot::inDanger() const { return sight.primaInDance && sight.primaEnergy < dangerEnergy; }

// A ballerina to take over: a stronger one when hers run low, and any
// strong one while the goals ask for more happy ballerinas (the one she
// leaves behind counts as happy).
std::int32_t PlayerBot::takeOverCandidate() const {
    const bool danger = inDanger();
    const bool forGoal = sight.happyTotal < sight.goalHappy;
    if (!danger && !forGoal) return -1;
    const std::int32_t least = danger ? sight.primaEnergy + strongerBy : strongEnough;
    std::int32_t best = -1;
    float bestValue = 0.0f;
    for (int i = 0; i < sight.dancerCount; ++i) {
        const SimSight::Dancer& d = sight.dancers[i];
        // Only a named ballerina can be taken over.
        if (d.kind != Kind::ballerina || d.sadness < least || formerPrima[d.slot]) continue;
        const float away = distance(d.position, sight.prima);
        // Near ones first; the one under the cat can be clicked at once, and
        // in danger every step beyond the cat's reach is taken under fire.
        // Her talents come with her.
        const float beyond = danger ? std::max(0.0f, away - clickReach) : 0.0f;
        float value = static_cast<float>(d.sadness) - 15.0f * away - beyondReachCost * beyond +
                      talentWorth * static_cast<float>(d.blue + d.green + d.red);
        if (d.slot == sight.badgeSlot) value += 20.0f;
        if (best < 0 || value > bestValue) {
            best = d.slot;
            bestValue = value;
        }
    }
    return best;
}

const SimSight::Thing* PlayerBot::usefulTalent() const {
    const SimSight::Thing* best = nullptr;
    float bestDistance = talentReach;
    for (int i = 0; i < sight.talentCount; ++i) {
        const SimSight::Thing& t = sight.talents[i];
        const float d = distance(t.position, sight.prima);
        if (d >= bestDistance || (t.slot >= 0 && t.slot < SimSight::capacity && stageClock < ignoreTalentUntil[t.slot]))
            continue;
        bool useful = sight.primaEnergy < 100 || t.kind == Kind::talentFreeze || t.kind > Kind::talentRed;
        if (t.kind == Kind::talentBlue && sight.primaBlue < 3) useful = true;
        if (t.kind == Kind::talentGreen && sight.primaGreen < 3) useful = true;
        if (t.kind == Kind::talentRed && sight.primaRed < 3) useful = true;
        if (!useful) continue;
        best = &t;
        bestDistance = d;
    }
    return best;
}

void PlayerBot::chooseTarget() {
    const SimSight::Dancer* current = sight.dancerInSlot(targetSlot);
    auto cost = [&](const SimSight::Dancer& d) {
        // Near dancers first, and those nearly happy; the harmless 'p' last.
        return distance(d.position, sight.prima) + 0.02f * static_cast<float>(d.sadness) +
               (d.kind == Kind::dancerP ? 3.0f : 0.0f) + (stageClock < shunUntil[d.slot] ? shunCost : 0.0f);
    };
    const SimSight::Dancer* best = nullptr;
    for (int i = 0; i < sight.dancerCount; ++i)
        if (best == nullptr || cost(sight.dancers[i]) < cost(*best)) best = &sight.dancers[i];
    if (best == nullptr) {
        targetSlot = -1;
        return;
    }
    if (current != nullptr && cost(*best) > cost(*current) - targetStickiness) return;
    targetSlot = best->slot;
    onTargetFor = 0.0f;
}

void PlayerBot::dance(SimButton::Wish& wish, bool& right) {
    chooseTarget();
    const SimSight::Dancer* d = sight.dancerInSlot(targetSlot);
    if (d == nullptr) {
        // Nobody in sight: walk toward the middle of the stage, where newcomers enter.
        steerCatTo(Vector{0.0f, 0.0f}, catReach);
        onTargetFor = 0.0f;
        return;
    }
    const Vector ahead = d->position + velocityOf(d->slot) * seconds;
    const Vector from = ahead - sight.prima;
    const float length = from.length();
    const bool held = sight.catGrabbing && distance(d->position, sight.cat) < carriedWithin && length > 0.0f;
    const bool meeting = held && sight.frozen && sight.primaEnergy >= meetEnergy;
    const SimSight::Thing* meet = meeting ? blossomToMeet() : nullptr;
    if (meet != nullptr) {
        // Frozen, the blossoms round her crawl: the held dancer is carried
        // into the nearest, hers bursting on her, the others' on her instead
        // of on the Prima Ballerina.
        steerCatTo(stepToward(sight.cat, meet->position, meetStep), catReach);
    } else if (held) {
        // Held by the cat she goes where it goes: she stays put, and when
        // the Prima Ballerina comes too close (her blossoms would arrive
        // before they are armed) she is drawn back a little, no faster than
        // a walk, so that the two do not run off across the stage.
        // A long drag turns into a chase across the stage (she runs after
        // the cat as fast as it draws the dancer away): drags are kept short.
        const bool dragging = length < tooClose && dragClock < longestDrag;
        dragClock = dragging ? dragClock + seconds : std::max(0.0f, dragClock - seconds);
        if (dragging) {
            steerCatTo(stepToward(sight.cat, sight.prima + from * (keepAt / length), dragStep), catReach);
        } else {
            steerCatTo(sight.cat, catReach);
        }
    } else {
        // The cat sits on her far side: her blossoms would burst on the cat first.
        steerCatTo(length > 0.0f ? ahead + from * (farSide / length) : ahead, catReach);
    }
    onTargetFor = sight.badgeSlot == targetSlot ? onTargetFor + seconds : 0.0f;
    if (onTargetFor > holdAfter) wish = SimButton::hold;
    if (meet == nullptr) watchStall(*d, right);
}

// The blossom nearest the cat within the cat's reach of her, not so near
// her that the dancer would be carried onto her.
const SimSight::Thing* PlayerBot::blossomToMeet() const {
    const SimSight::Thing* best = nullptr;
    float nearest = 0.0f;
    for (int i = 0; i < sight.blossomCount; ++i) {
        const SimSight::Thing& b = sight.blossoms[i];
        const float fromHer = distance(b.position, sight.prima);
        if (fromHer < meetFrom || fromHer > catReach) continue;
        const float fromCat = distance(b.position, sight.cat);
        if (best == nullptr || fromCat < nearest) {
            best = &b;
            nearest = fromCat;
        }
    }
    return best;
}

// A dancer who keeps her hearts while the Prima Ballerina throws at her
// (her own blossoms meet every one on the way, or she runs as fast as the
// Prima Ballerina follows) gets a freeze, which slows her down to a tenth;
// if even that does not help, the Prima Ballerina turns to another.
void PlayerBot::watchStall(const SimSight::Dancer& d, bool& right) {
    if (d.slot != stallSlot || d.sadness < stallSadness) {
        stallSlot = d.slot;
        stallSadness = d.sadness;
        stallSince = stageClock;
        return;
    }
    const float stalled = stageClock - stallSince;
    if (stalled > stallFreeze && !sight.frozen && clock - freezeEndedAt > rightClickPause) right = true;
    if (stalled > stallGiveUp && sight.dancerCount > 1 && d.slot >= 0 && d.slot < SimSight::capacity) {
        shunUntil[d.slot] = stageClock + shunFor;
        stallSlot = -1;
    }
}

void PlayerBot::fetch(const SimSight::Thing& talent) {
    onTargetFor = 0.0f;
    // The cat a little beyond the talent: she runs across it.
    const Vector way = talent.position - sight.prima;
    const float length = way.length();
    const Vector beyond = length > 0.0f ? talent.position + way * (0.6f / length) : talent.position;
    steerCatTo(beyond, catReach);
}

void PlayerBot::takeOver(SimButton::Wish& wish, bool& right) {
    const SimSight::Dancer* d = sight.dancerInSlot(takeOverSlot);
    takeOverInReach = false;
    if (d == nullptr) return;
    onTargetFor = 0.0f;
    const float away = distance(d->position, sight.prima);
    // A freeze keeps the others' blossoms slow while the cat gets to her;
    // she herself slows down too, so only once the cat can reach her.
    takeOverInReach = away < clickReach;
    if (!sight.frozen && takeOverInReach) right = true;
    // Out of the cat's reach she must walk there, and frozen she would crawl:
    // a freeze is ended (a right click at least half a second into it).
    if (sight.frozen && !takeOverInReach && clock - rightPressedAt > unfreezeAfter) unfreeze = true;
    steerCatTo(d->position + velocityOf(d->slot) * seconds, clickReach);
    if (sight.badgeSlot == takeOverSlot && left.ready() && clock - clickedAt > clickRetry) {
        wish = SimButton::click;
        clickedAt = clock;
    }
}

void PlayerBot::steerCatTo(Vector goal, float reach) {
    // What her last step will carry the cat along.
    const Vector carry = seenBefore ? sight.prima - lastPrima : Vector{};
    const Vector her = sight.prima + carry;
    Vector offset = goal - her;
    offset.z = 0.0f;
    const float length = offset.length();
    if (length > reach) goal = her + offset * (reach / length);
    const Vector want = goal - (sight.cat + carry);
    // Screen y runs down, the stage's y up.
    moveHand(toPixels(want.x), toPixels(-want.y));
}

void PlayerBot::moveHand(std::int32_t dx, std::int32_t dy) {
    // Near the edge of the warp area the hand is lifted and set down nearer
    // the middle: the pointer jumps back, and the cat follows that jump by
    // no more than its 30 pixels a frame.
    std::int32_t x = pointer.x() + dx;
    std::int32_t y = pointer.y() + dy;
    bool lifted = false;
    if (x < SimMouse::areaLeft + liftMargin || x > SimMouse::areaRight - liftMargin) {
        x = middleX;
        lifted = true;
    }
    if (y < SimMouse::areaTop + liftMargin || y > SimMouse::areaBottom - liftMargin) {
        y = middleY;
        lifted = true;
    }
    if (lifted) ++liftCount;
    pointer.move(x - pointer.x(), y - pointer.y());
}
