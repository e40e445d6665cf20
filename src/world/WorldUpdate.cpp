#include <cmath>

#include "actors/Avatar.h"
#include "actors/Camera.h"
#include "actors/EffectPool.h"
#include "actors/GroupTracker.h"
#include "actors/Muse.h"
#include "actors/Obstacle.h"
#include "audio/SoundBank.h"
#include "world/World.h"

namespace {

constexpr float nameEntrySlowdown = 0.0001f;  // the actors all but stop while a name is entered
constexpr float groupViewRange = 1.0f;
constexpr float healInterval = 0.5f;
constexpr std::int32_t healAmount = 5;
constexpr std::int32_t healingChoir = 5;      // more singing muses than this heal her
constexpr float selectionGuard = 1.0f;
constexpr float clickGuard = 1.0f;
constexpr float clickConsumed = 100.0f;

}  // namespace

void World::update(const char (&handedName)[10], bool paused, float seconds) {
    if (!allocated) return;
    // 1.-2. Clocks. No frames-per-second counter is kept: nothing would read it.
    levelTime += seconds;

    // 3. The view follows her, a little ahead along her facing.
    Avatar& p = prima();
    cameraPosition = camera->follow(p.position, p.facing, cameraLead);

    // 4.-5. Contacts, hints.
    if (!paused) interact();
    updateHints(seconds);

    // 6.-7. Groups decide the ballerinas' modes; each ballerina thinks.
    recordGroups();
    for (int i = 0; i < poolSize; ++i)
        obstacles[i]->think(groups->modeOf(i), groups->groupPointOf(i), groups->groupOf(i));

    // 8. Particles.
    effects->update(seconds, cameraPosition.x, cameraPosition.y, viewRadius);

    // 9. A name entry counts real seconds while the stage all but stands.
    float frameTime = seconds;
    if (nameEntry) {
        nameEntryElapsed += seconds;
        frameTime = seconds * nameEntrySlowdown;
        cat().position = chosenBallerina().position;
    }

    // 10.-11. Everyone moves; the ambient loops are mixed.
    advanceActors(frameTime);
    sounds->mixAmbient(volume);

    // 12. Copies for the screens and the hints.
    primaPosition = p.position;
    primaHearts = p.energy;
    for (int c = 0; c < 3; ++c) talentsBefore[c] = talentsNow[c];
    talentsNow[0] = static_cast<std::uint8_t>(p.blue());
    talentsNow[1] = static_cast<std::uint8_t>(p.green());
    talentsNow[2] = static_cast<std::uint8_t>(p.red());

    // 13. A choir of singing muses heals her.
    healClock += frameTime;
    if (musesSinging > healingChoir && healClock > healInterval) {
        p.energy += healAmount;
        healClock = 0.0f;
    }

    // 14.-22. Throwing at what the cat stands on, and the change of Prima Ballerina.
    chooseTargets();
    checkNameEntry(handedName, frameTime);
}

void World::recordGroups() {
    for (int i = 0; i < poolSize; ++i) {
        const Obstacle& o = *obstacles[i];
        const float dx = o.position.x - cameraPosition.x;
        const float dy = o.position.y - cameraPosition.y;
        groups->record(i, o.kind, o.position, groups->groupPointOf(i), std::sqrt(dx * dx + dy * dy),
                       groups->modeOf(i), o.group, static_cast<std::uint8_t>(o.sadness));
    }
    groups->update(prima().position, groupViewRange);
}

// Steps 14 and 15: she throws while the cat stands on a ballerina or a muse;
// the first ballerina it stands on is the one a click would choose.
void World::chooseTargets() {
    Avatar& p = prima();
    int firstBallerina = -1;
    int firstMuse = -1;
    // A ballerina who became happy in this update's advance has freed her
    // slot but still carries the selection of the contact pass: she is no
    // longer there to be thrown at or chosen.
    for (int i = 0; i < poolSize; ++i) {
        if (firstBallerina < 0 && obstacles[i]->selected && obstacles[i]->kind != 0) firstBallerina = i;
        if (firstMuse < 0 && muses[i]->selected && muses[i]->kind != 0) firstMuse = i;
    }
    if (firstBallerina >= 0 || firstMuse >= 0) {
        p.throwNow = 1;
        // A ballerina under the cat is the target before a muse.
        if (firstBallerina >= 0) {
            primaTargetKind = obstacles[firstBallerina]->kind;
            primaTargetSlot = static_cast<std::uint16_t>(firstBallerina);
        } else {
            primaTargetKind = muses[firstMuse]->kind;
            primaTargetSlot = static_cast<std::uint16_t>(firstMuse);
        }
    }
    hasChosen = false;
    if (firstBallerina >= 0) {
        // While her name is entered the chosen one stays the ballerina that
        // was clicked: the cat, set down on her, may also stand on a
        // neighbour in a lower slot, whose name the letters would then be
        // tested against.
        if (!nameEntry) chosenObstacle = static_cast<std::uint8_t>(firstBallerina);
        hasChosen = true;
    }
}

void World::checkNameEntry(const char (&handedName)[10], float frameTime) {
    Avatar& p = prima();
    Avatar& c = cat();
    switchSucceeded = false;

    // 17. A click on the chosen ballerina 'o' starts the entry of her name.
    const Obstacle& chosen = chosenBallerina();
    if (!nameEntry && hasChosen && c.clicked && sinceSelection > selectionGuard && chosen.kind == Kind::ballerina) {
        if (sinceClick > clickGuard) {
            // Every entry starts on its first letter with no wrong click
            // counted, also after one that Escape or the menu ended.
            nameEntry = true;
            letterCursor = 0;
            wrongClicks = 0;
        }
        p.throwNow = 0;
        nameEntryElapsed = 0.0f;
        shuffleLetters();
    }
    // 18.-19.
    if (nameEntry && c.clicked && sinceClick > clickGuard) {
        sinceClick = clickConsumed;
        sinceSelection = 0.0f;
    }
    sinceSelection += frameTime;

    // 20. Time-out. The entry also ends when the chosen ballerina has left
    // the dance meanwhile (contacts keep costing her hearts at full speed
    // while the stage all but stands): her freed slot must never become the
    // Prima Ballerina, who would take its spent hearts and lose the dance.
    const bool chosenGone = chosenBallerina().kind != Kind::ballerina;
    if (nameEntryElapsed > nameEntryLimit || (nameEntry && chosenGone)) {
        nameEntry = false;
        letterCursor = 0;
        wrongClicks = 0;
    }

    // 21. The handed name must equal hers in all ten places, zeros included.
    switchDone = false;
    const Obstacle& target = chosenBallerina();
    bool same = true;
    for (int k = 0; k < 10; ++k) {
        letterHits[k] = handedName[k] == target.name[k];
        same = same && letterHits[k];
    }
    // A handed name of zeros is a name whose letters are still flying in.
    if (nameEntry && same && handedName[0] != 0) {
        switchSucceeded = true;
        pointsSinceSwitch = score - scoreAtLastSwitch;
        scoreAtLastSwitch = score;
        switchPrima(chosenObstacle);
        pointsSinceSwitch = 0;
        sinceClick = 0.0f;
        nameEntry = false;
        switchDone = true;
        letterCursor = 0;
        wrongClicks = 0;
    }

    // 22.
    sinceClick += frameTime;
}
