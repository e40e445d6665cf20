// Levels 22..33 and the muse and challenge levels 52..59: not offered by the
// menu; kept complete so that tools and a later level selector can start them.
#include "world/LevelScripts.h"
#include "world/LevelScriptTools.h"

using namespace levelscript;

// Two guarded rings on one diagonal, two gardens on the other.
void levelScript22(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 5);
    primaAndCat(L, Vector{}, 100, 2, 2, 2);
    L.landmarks();
    L.ballerinaRing(Vector{-6.0f, 6.0f}, 1.5f, 5, traits(O, 90, 2, 1, 1, 2, 1, Vector{-6.0f, 6.0f}));
    L.ballerinaRing(Vector{6.0f, -6.0f}, 1.5f, 5, traits(O, 90, 1, 2, 1, 2, 2, Vector{6.0f, -6.0f}));
    L.museRing(Vector{-6.0f, 6.0f}, 4.0f, 17);
    L.museRing(Vector{6.0f, -6.0f}, 4.0f, 17);
    L.talentRing(Vector{6.0f, 6.0f}, 2.0f, 15);
    L.talentRing(Vector{-6.0f, -6.0f}, 2.0f, 15);
}

// Three guarded camps; the Prima starts at the open south-east corner.
void levelScript23(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 10);
    primaAndCat(L, Vector{6.0f, -6.0f}, 100, 2, 2, 2);
    L.landmarks();
    const Vector camp[3] = {{-8.0f, 8.0f}, {8.0f, 8.0f}, {-8.0f, -8.0f}};
    for (int i = 0; i < 3; ++i)
        L.ballerinaRing(camp[i], 1.5f, 5, traits(O, 90, 1, 1, 1, 2, static_cast<std::uint8_t>(i + 1), camp[i]));
    for (const Vector& c : camp) L.museRing(c, 4.0f, 11);
    L.talentRing(Vector{0.0f, 0.0f}, 1.5f, 10);
    L.talentRing(Vector{0.0f, 8.0f}, 1.5f, 10);
    L.talentRing(Vector{-8.0f, 0.0f}, 1.5f, 10);
}

// Four gathering groups of six in the corners.
void levelScript24(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 12);
    primaAndCat(L, Vector{}, 100, 2, 2, 2);
    L.landmarks();
    const Vector corner[4] = {{8.0f, 8.0f}, {-8.0f, 8.0f}, {-8.0f, -8.0f}, {8.0f, -8.0f}};
    for (int i = 0; i < 4; ++i)
        L.ballerinaRing(corner[i], 1.8f, 6, traits(O, 90, 1, 1, 1, 7, static_cast<std::uint8_t>(i + 1), corner[i]));
    for (const Vector& c : corner) L.museRing(c, 4.0f, 9);
    L.talentRing(Vector{0.0f, 8.0f}, 1.5f, 8);
    L.talentRing(Vector{-8.0f, 0.0f}, 1.5f, 8);
    L.talentRing(Vector{0.0f, -8.0f}, 1.5f, 8);
    L.talentRing(Vector{8.0f, 0.0f}, 1.5f, 8);
}

// Three rows of dancers flanked by two 'p' dancers, muses on three sides.
void levelScript25(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 5);
    primaAndCat(L, Vector{1.0f, -3.0f}, 100, 2, 2, 2);
    startTalents(L, Vector{1.0f, -3.0f}, 0.8f);
    startTalents(L, Vector{1.0f, -3.0f}, 1.6f);
    L.landmarks();
    for (float y : {4.0f, 8.0f, 12.0f})
        L.ballerinaLine(Vector{-10.0f, y}, Vector{10.0f, y}, 5, traits(O, 90, 1, 1, 1, 3, 0));
    L.placeDancer(at5(-12.0f, 8.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(12.0f, 8.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.museLine(Vector{-12.0f, -8.0f}, Vector{12.0f, -8.0f}, 8);
    L.museLine(Vector{-12.0f, -12.0f}, Vector{12.0f, -12.0f}, 8);
    L.museLine(Vector{-14.0f, -10.0f}, Vector{-14.0f, 14.0f}, 8);
    L.museLine(Vector{14.0f, -10.0f}, Vector{14.0f, 14.0f}, 8);
}

// Three rows and two guarded rings, each ring round a 'p' dancer.
void levelScript26(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 5);
    primaAndCat(L, Vector{1.0f, -7.0f}, 100, 2, 2, 2);
    startTalents(L, Vector{1.0f, -7.0f});
    L.landmarks();
    for (float y : {0.0f, 5.0f, 10.0f})
        L.ballerinaLine(Vector{-12.0f, y}, Vector{12.0f, y}, 6, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{-10.0f, -10.0f}, 1.2f, 4, traits(O, 90, 2, 1, 1, 2, 1, Vector{-10.0f, -10.0f}));
    L.ballerinaRing(Vector{10.0f, -10.0f}, 1.2f, 4, traits(O, 90, 1, 1, 2, 2, 2, Vector{10.0f, -10.0f}));
    L.placeDancer(at5(-10.0f, -10.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(10.0f, -10.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    for (float y : {-3.0f, 2.5f, 7.5f, 13.0f}) L.museLine(Vector{-12.0f, y}, Vector{12.0f, y}, 8);
}

// Four rows north and two guarded rings beside the southern start.
void levelScript27(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 5);
    primaAndCat(L, Vector{1.0f, -8.0f}, 100, 2, 2, 2);
    startTalents(L, Vector{1.0f, -8.0f});
    L.landmarks();
    for (float y : {0.0f, 4.0f, 8.0f, 12.0f})
        L.ballerinaLine(Vector{-12.0f, y}, Vector{12.0f, y}, 6, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{-9.0f, -8.0f}, 1.2f, 4, traits(O, 90, 1, 1, 1, 2, 1, Vector{-9.0f, -8.0f}));
    L.ballerinaRing(Vector{11.0f, -8.0f}, 1.2f, 4, traits(O, 90, 1, 1, 1, 2, 2, Vector{11.0f, -8.0f}));
    L.museRing(Vector{-9.0f, -8.0f}, 3.0f, 9);
    L.museRing(Vector{11.0f, -8.0f}, 3.0f, 9);
}

// A row in the south and two big rings; the Prima starts in the north-west.
void levelScript28(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 24);
    primaAndCat(L, Vector{-11.0f, 11.0f}, 100, 2, 2, 2);
    startTalents(L, Vector{-11.0f, 11.0f});
    L.landmarks();
    L.ballerinaLine(Vector{-12.0f, -12.0f}, Vector{12.0f, -12.0f}, 10, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{-4.0f, 0.0f}, 3.0f, 12, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{6.0f, 6.0f}, 3.0f, 12, traits(O, 90, 1, 1, 1, 3, 0));
    L.museRing(Vector{-4.0f, 0.0f}, 5.5f, 17);
    L.museRing(Vector{6.0f, 6.0f}, 5.5f, 17);
}

// Four rows inside a great muse ring. Forty talents for thirty-nine slots:
// the last single talent (red) is left out.
void levelScript29(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 10);
    primaAndCat(L, Vector{1.0f, 11.0f}, 100, 4, 4, 4);
    for (float y : {5.0f, 0.0f, -5.0f, -10.0f})
        L.ballerinaLine(Vector{-9.0f, y}, Vector{11.0f, y}, 5, traits(O, 90, 1, 1, 1, 3, 0));
    L.museRing(Vector{1.0f, 0.0f}, 14.0f, 34);
    L.talentRing(Vector{-11.0f, 10.0f}, 1.5f, 8);
    L.talentRing(Vector{12.0f, 10.0f}, 1.5f, 8);
    L.talentRing(Vector{-11.0f, -12.0f}, 1.5f, 8);
    L.talentRing(Vector{12.0f, -12.0f}, 1.5f, 8);
    L.landmarks();
    startTalents(L, Vector{1.0f, 11.0f});
}

// Four rings of eight round 'p' and 'q' dancers; one dancer must leave.
void levelScript30(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(35, 0, 0);
    primaAndCat(L, Vector{1.0f, 9.0f}, 100, 0, 0, 0);
    L.landmarks();
    const Vector camp[4] = {{-9.0f, -2.0f}, {9.0f, -2.0f}, {-5.0f, -12.0f}, {5.0f, -12.0f}};
    for (int i = 0; i < 4; ++i) L.ballerinaRing(camp[i], 2.0f, 8, traits(O, 90, 1, 1, 1, 3, 0));
    L.placeDancer(at5(camp[0].x, camp[0].y), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(camp[1].x, camp[1].y), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(camp[2].x, camp[2].y), traits(Q, 100, 0, 0, 0, 1, 0));
    L.placeDancer(at5(camp[3].x, camp[3].y), traits(Q, 100, 0, 0, 0, 1, 0));
    for (const Vector& c : camp) L.museRing(c, 4.0f, 8);
    L.talentRing(Vector{0.0f, 4.0f}, 1.2f, 8);
    L.talentRing(Vector{0.0f, -6.0f}, 1.2f, 8);
    L.talentRing(Vector{-12.0f, -12.0f}, 1.2f, 8);
    L.talentRing(Vector{12.0f, -12.0f}, 1.2f, 8);
}

// Three concentric rings of ten and an outer pair of fast 'q' dancers.
void levelScript31(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(32, 0, 30);
    primaAndCat(L, Vector{0.001f, 0.001f}, 100, 0, 0, 0);
    startTalents(L, Vector{0.001f, 0.001f});
    L.landmarks();
    for (float r : {4.0f, 7.0f, 10.0f}) L.ballerinaRing(Vector{}, r, 10, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{}, 13.0f, 2, traits(Q, 100, 0, 0, 0, 1, 0));
    L.museRing(Vector{}, 15.0f, 34);
}

// Three concentric rings of ten and three 'q' dancers; three may stay.
void levelScript32(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(3, 0, 0);
    primaAndCat(L, Vector{0.001f, 0.001f}, 100, 0, 0, 0);
    L.landmarks();
    for (float r : {4.0f, 7.0f, 10.0f}) L.ballerinaRing(Vector{}, r, 10, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{}, 13.0f, 3, traits(Q, 100, 0, 0, 0, 1, 0));
    L.talentRing(Vector{}, 2.0f, 30);
    L.museRing(Vector{}, 15.0f, 34);
}

// As level 32 with four 'q' dancers, all thirty named dancers to be happy.
void levelScript33(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(4, 0, 30);
    primaAndCat(L, Vector{0.001f, 0.001f}, 100, 0, 0, 0);
    L.landmarks();
    for (float r : {4.0f, 7.0f, 10.0f}) L.ballerinaRing(Vector{}, r, 10, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{}, 13.0f, 4, traits(Q, 100, 0, 0, 0, 1, 0));
    L.talentRing(Vector{}, 2.0f, 30);
    L.museRing(Vector{}, 15.0f, 34);
}

// Muse level: four muse rings in the corners, every muse must sing.
void levelScript52(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 32, 0);
    primaAndCat(L, Vector{}, 100, 2, 2, 2);
    L.talentRing(Vector{}, 4.0f, 36);
    for (Vector c : {Vector{6.0f, 6.0f}, Vector{-6.0f, 6.0f}, Vector{-6.0f, -6.0f}, Vector{6.0f, -6.0f}})
        L.museRing(c, 2.0f, 8);
}

// Muse level: eight spokes of muses around the start.
void levelScript54(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 32, 0);
    primaAndCat(L, Vector{}, 100, 2, 2, 2);
    L.talentRing(Vector{}, 12.0f, 36);
    for (int i = 0; i < 8; ++i) {
        const float a = 45.0f * static_cast<float>(i);
        L.museLine(onCircle(Vector{}, 2.0f, a), onCircle(Vector{}, 10.0f, a), 4);
    }
}

// Two rings of fifteen dancers around a fully talented Prima. The script runs
// twice; its second half starts again at entry 3, after the Prima and cat.
void levelScript56(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(15, 0, 15);
    primaAndCat(L, Vector{}, 100, 3, 3, 3);
    L.setCursor(3);
    startTalents(L, Vector{});
    L.ballerinaRing(Vector{}, 3.0f, 5, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{}, 7.0f, 10, traits(O, 90, 1, 1, 1, 3, 0));
    L.museRing(Vector{}, 10.0f, 34);
}

// Challenge: a weak Prima with a strong cat inside a ring of twenty.
void levelScript58(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 20);
    L.placePrima(Vector{}, 20, 0, 0, 0);
    L.placeCat(Vector{}, 100, 3, 3, 3);
    startTalents(L, Vector{});
    L.ballerinaRing(Vector{}, 8.0f, 20, traits(O, 90, 1, 1, 1, 3, 0));
    L.museRing(Vector{}, 4.0f, 5);
    L.talentRing(Vector{}, 12.0f, 20);
}

// Challenge: four corner rings of five and a ring of fast 'q' dancers.
void levelScript59(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 20);
    L.placePrima(Vector{}, 20, 0, 0, 0);
    L.placeCat(Vector{}, 100, 3, 3, 3);
    for (Vector c : {Vector{8.0f, 8.0f}, Vector{-8.0f, 8.0f}, Vector{-8.0f, -8.0f}, Vector{8.0f, -8.0f}})
        L.ballerinaRing(c, 1.5f, 5, traits(O, 90, 1, 1, 1, 3, 0));
    L.ballerinaRing(Vector{}, 4.0f, 5, traits(Q, 100, 0, 0, 0, 1, 0));
    L.museRing(Vector{}, 12.0f, 5);
    L.talentRing(Vector{}, 6.0f, 20);
}
