#include "world/LevelScripts.h"

#include "world/LevelScriptTools.h"

namespace {

using Script = void (*)(LevelSheet&);

struct ScriptEntry {
    std::uint8_t level;
    Script script;
};

constexpr ScriptEntry scripts[] = {
    {0, levelScript0},   {1, levelScript1},   {2, levelScript2},   {3, levelScript3},   {4, levelScript4},
    {5, levelScript5},   {6, levelScript6},   {7, levelScript7},   {8, levelScript8},   {9, levelScript9},
    {10, levelScript10}, {11, levelScript11}, {12, levelScript12}, {13, levelScript13}, {14, levelScript14},
    {15, levelScript15}, {16, levelScript16}, {17, levelScript17}, {18, levelScript18}, {19, levelScript19},
    {20, levelScript20}, {21, levelScript21}, {22, levelScript22}, {23, levelScript23}, {24, levelScript24},
    {25, levelScript25}, {26, levelScript26}, {27, levelScript27}, {28, levelScript28}, {29, levelScript29},
    {30, levelScript30}, {31, levelScript31}, {32, levelScript32}, {33, levelScript33}, {34, levelScript34},
    {52, levelScript52}, {54, levelScript54}, {56, levelScript56}, {58, levelScript58}, {59, levelScript59},
};

Script findScript(std::uint8_t level) {
    for (const ScriptEntry& s : scripts)
        if (s.level == level) return s.script;
    return nullptr;
}

}  // namespace

using namespace levelscript;

bool hasLevelScript(std::uint8_t level) { return findScript(level) != nullptr; }

bool runLevelScript(LevelSheet& layout, std::uint8_t level) {
    const Script script = findScript(level);
    if (!script) return false;
    script(layout);
    // Level 56 runs twice; the second run rewrites the same entries.
    if (level == 56) script(layout);
    return true;
}

// Warm-up stage: one lone dancer above a ring of talents around the start.
void levelScript0(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    primaAndCat(L, Vector{0.01f, -1.0f}, 100, 1, 1, 1);
    L.placeDancer(at5(0.0f, 3.0f), traits(O, 80, 0, 0, 0, 1, 0));
    L.landmarks();
    L.talentRing(Vector{0.01f, -1.0f}, 2.0f, 10);
}

// Paris: one dancer beside the start; two muse-ringed talent gardens far
// apart teach that muses and talents are worth a walk.
void levelScript1(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    L.placeDancer(Vector{-3.0f, -2.0f, 0.5f}, traits(O, 60, 1, 0, 1, 1, 0, Vector{0.0f, 0.0f, 0.0f}));
    primaAndCat(L, Vector{0.0f, -2.0f}, 90, 0, 0, 0);
    L.placeTalent(T132, Vector{-0.5f, -2.5f});
    L.placeTalent(T132, Vector{-1.0f, -1.0f});
    L.placeTalent(T134, Vector{1.0f, -1.0f});
    L.placeTalent(T134, Vector{0.75f, -2.75f});
    L.landmarks();
    L.talentRing(Vector{-5.0f, 5.0f}, 2.0f, 6);
    L.talentRing(Vector{5.0f, -9.0f}, 2.0f, 6);
    L.museRing(Vector{-5.0f, 5.0f}, 3.5f, 8);
    L.museRing(Vector{5.0f, -9.0f}, 3.5f, 8);
}

// Rio: a parade. A muse-lined avenue runs west from the start and bends
// south; the two dancers wait together at its far end, talents lie on the way.
void levelScript2(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    primaAndCat(L, Vector{7.0f, 6.0f}, 90, 0, 0, 0);
    startTalents(L, Vector{7.0f, 6.0f}, 0.8f);
    const Vector end{-12.25f, -13.0f};
    L.placeDancer(at5(-13.0f, -13.5f), traits(O, 80, 1, 1, 0, 2, 1, end));
    L.placeDancer(at5(-11.5f, -12.5f), traits(O, 70, 0, 1, 1, 2, 1, end));
    L.museLine(Vector{4.0f, 8.5f}, Vector{-10.0f, 8.5f}, 8);
    L.museLine(Vector{4.0f, 3.5f}, Vector{-10.0f, 3.5f}, 8);
    L.museLine(Vector{-15.0f, 6.0f}, Vector{-15.0f, -14.0f}, 8);
    L.museLine(Vector{-9.5f, 1.5f}, Vector{-9.5f, -14.0f}, 8);
    L.talentRing(Vector{-2.0f, 6.0f}, 1.2f, 10);
    L.talentRing(Vector{-12.25f, -5.0f}, 1.2f, 10);
    L.landmarks();
}

// Tokyo: three dancers right at the start, inside nested rings of muses and
// talents: the first close fight, with escape routes through the rings.
void levelScript3(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    L.placeDancer(Vector{0.0f, 1.0f, 0.5f}, traits(O, 100, 1, 0, 1, 1, 0));
    L.placeDancer(Vector{-1.0f, -1.0f, 0.5f}, traits(O, 90, 1, 0, 1, 1, 1, Vector{0.0f, -7.0f}));
    L.placeDancer(Vector{1.0f, -1.0f, 0.5f}, traits(O, 90, 1, 0, 1, 1, 1, Vector{0.0f, -7.0f}));
    primaAndCat(L, Vector{0.0f, 0.1f}, 90, 2, 0, 1);
    L.landmarks();
    L.museRing(Vector{0.0f, 0.1f}, 4.5f, 14);
    L.talentRing(Vector{0.0f, 0.1f}, 6.75f, 20);
    L.museRing(Vector{0.0f, 0.1f}, 9.0f, 22);
}

// Oslo: six islands on a wide circle, each a muse ring around a talent
// cache; two trios guard the north and south islands, so the player picks
// which free islands to raid before taking them on.
void levelScript4(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    const Vector start{0.5f, 0.0f};
    primaAndCat(L, start, 80, 0, 0, 0);
    startTalents(L, start, 1.0f);
    Vector island[6];
    for (int i = 0; i < 6; ++i) island[i] = onCircle(Vector{}, 9.0f, 90.0f + 60.0f * static_cast<float>(i));
    L.ballerinaRing(island[0], 0.7f, 3, traits(O, 95, 1, 0, 1, 2, 1, island[0]));
    L.ballerinaRing(island[3], 0.7f, 3, traits(O, 75, 0, 1, 2, 2, 2, island[3]));
    for (int i = 0; i < 6; ++i) L.museRing(island[i], 2.6f, (i == 0 || i == 3) ? 6 : 5);
    for (int i = 0; i < 6; ++i) L.talentRing(island[i], 1.3f, 5);
    L.landmarks();
}

// Sydney: the Prima starts nine and a half hearts full, so taking over
// another dancer is the way out; two guarded rings and two gardens form a
// cross around her, and two of the twelve may stay.
void levelScript5(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(2, 0, 0);
    primaAndCat(L, Vector{0.0f, 0.0f}, 5, 0, 0, 0);
    L.placeTalent(T132, Vector{-0.5f, -0.5f});
    L.placeTalent(T132, Vector{-1.0f, 1.0f});
    L.placeTalent(T133, Vector{1.0f, 1.0f});
    L.placeTalent(T134, Vector{0.75f, -0.75f});
    L.placeDancer(Vector{6.0f, 6.0f, 0.5f}, traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(Vector{-6.0f, -6.0f, 0.5f}, traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.ballerinaRing(Vector{6.0f, 6.0f}, 2.25f, 5, traits(O, 90, 2, 1, 2, 2, 2, Vector{6.0f, 6.0f}));
    L.ballerinaRing(Vector{-6.0f, -6.0f}, 2.25f, 5, traits(O, 90, 2, 1, 2, 2, 1, Vector{-6.0f, -6.0f}));
    L.talentRing(Vector{6.0f, -6.0f}, 2.0f, 8);
    L.talentRing(Vector{-6.0f, 6.0f}, 2.0f, 8);
    L.landmarks();
    L.museRing(Vector{6.0f, -6.0f}, 3.0f, 6);
    L.museRing(Vector{-6.0f, 6.0f}, 3.0f, 6);
}

// Mexico: a plaza chase. Ten shy dancers (sadness in the fleeing band)
// circle the start inside a ring of talents they race the Prima for; five
// lone sentinels wait outside the muse wall and strike only at the end.
void levelScript6(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    primaAndCat(L, Vector{0.0f, 0.0f}, 40, 0, 0, 0);
    startTalents(L, Vector{0.0f, 0.0f}, 0.8f);
    L.ballerinaRing(Vector{}, 4.5f, 10, traits(O, 45, 1, 1, 0, 3, 0));
    for (int i = 0; i < 5; ++i) {
        Vector post = onCircle(Vector{}, 14.0f, 90.0f + 72.0f * static_cast<float>(i));
        post.z = 0.5f;
        L.placeDancer(post, traits(O, 95, 2, 1, 1, 7, static_cast<std::uint8_t>(i + 1), Vector{post.x, post.y}));
    }
    L.talentRing(Vector{}, 7.0f, 30);
    L.museRing(Vector{}, 10.5f, 34);
    L.landmarks();
}

// Denver: four fortified camps in the corners, harder round the clock; the
// fragile Prima starts inside a fence of four 'p' dancers who still the
// throwers near her, and talent depots lie in the open between the camps.
// The last landmark finds no free talent slot and is left out.
void levelScript7(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(4, 0, 0);
    const Vector start{1.0f, 0.0f};
    primaAndCat(L, start, 20, 2, 1, 1);
    startTalents(L, start, 0.9f);
    L.ballerinaRing(start, 2.2f, 4, traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    const Vector camp[4] = {{9.0f, 9.0f}, {-9.0f, 9.0f}, {-9.0f, -9.0f}, {9.0f, -9.0f}};
    L.ballerinaRing(camp[0], 1.5f, 5, traits(O, 95, 0, 1, 0, 2, 1, camp[0]));
    L.ballerinaRing(camp[1], 1.5f, 5, traits(O, 90, 1, 1, 1, 2, 2, camp[1]));
    L.ballerinaRing(camp[2], 1.5f, 5, traits(O, 80, 1, 2, 1, 2, 3, camp[2]));
    L.ballerinaRing(camp[3], 1.5f, 5, traits(O, 70, 2, 1, 2, 2, 4, camp[3]));
    for (const Vector& c : camp) L.museRing(c, 3.5f, 6);
    L.talentRing(Vector{0.0f, 9.0f}, 1.2f, 8);
    L.talentRing(Vector{-9.0f, 0.0f}, 1.2f, 8);
    L.talentRing(Vector{0.0f, -9.0f}, 1.2f, 8);
    L.talentRing(Vector{9.0f, 0.0f}, 1.2f, 8);
    L.landmarks();
}

// Delhi: a parade ground. Five rows of dancers alternate with six rows of
// muses; the Prima starts off to the west and the talent caches line the
// northern edge.
void levelScript8(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    primaAndCat(L, Vector{-12.0f, 4.0f}, 20, 0, 0, 0);
    L.placeTalent(T131, Vector{-12.5f, 3.5f});
    L.placeTalent(T132, Vector{-13.0f, 5.0f});
    L.placeTalent(T133, Vector{-11.0f, 5.0f});
    L.placeTalent(T134, Vector{-11.25f, 3.25f});
    L.landmarks();
    for (float x : {-2.0f, 2.0f, 6.0f, 10.0f}) L.talentRing(Vector{x, 11.0f}, 0.5f, 6);
    for (float y : {-10.0f, -6.0f, -2.0f, 2.0f, 6.0f})
        L.ballerinaLine(Vector{-6.0f, y}, Vector{14.0f, y}, 5, traits(O, 50, 1, 1, 1, 3, 0, Vector{}, 8.0f));
    for (float y : {-12.0f, -8.0f, -4.0f, 0.0f, 4.0f, 8.0f}) L.museLine(Vector{-6.0f, y}, Vector{14.0f, y}, 5);
}

// Kairo: a siege in waves. An inner ring of twelve hunts the Prima at once;
// the outer ring of eighteen, sad to the bone, gathers into groups of six
// that storm her one after another. Talents and a muse wall lie between.
void levelScript9(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    L.placePrima(Vector{0.0f, 0.0f}, 40, 0, 0, 0);
    L.placeCat(Vector{0.0f, 0.0f}, 80, 0, 0, 0);
    startTalents(L, Vector{0.0f, 0.0f}, 0.8f);
    L.ballerinaRing(Vector{}, 4.5f, 12, traits(O, 70, 1, 0, 1, 3, 0));
    L.talentRing(Vector{}, 6.5f, 30);
    L.museRing(Vector{}, 9.0f, 30);
    // Talents of 4 are drawn at placing: every outer dancer is different.
    L.ballerinaRing(Vector{}, 13.0f, 18, traits(O, 100, 4, 4, 4, 3, 0));
    L.landmarks();
}

// The guided first dance: one dancer off to the west, nothing else.
void levelScript34(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 1);
    primaAndCat(L, Vector{0.0f, 5.0f}, 90, 1, 1, 1);
    L.placeDancer(Vector{-10.0f, 0.0f, 0.5f}, traits(O, 90, 2, 1, 1, 1, 0, Vector{}, 45.0f));
}
