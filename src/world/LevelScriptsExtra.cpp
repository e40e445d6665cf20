// Levels 10..21: not offered by the menu; kept complete so that tools and a
// later level selector can start them.
#include "world/LevelScripts.h"
#include "world/LevelScriptTools.h"

using namespace levelscript;

// Nine dancers in a ring around a talent-rich start; all nine must be happy.
void levelScript10(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 9);
    primaAndCat(L, Vector{}, 100, 2, 1, 1);
    L.landmarks();
    L.talentRing(Vector{}, 3.0f, 30);
    L.museRing(Vector{}, 10.0f, 34);
    L.ballerinaRing(Vector{}, 6.0f, 9, traits(O, 90, 1, 1, 1, 3, 0));
}

// Two guarded trios north of a start at the southern edge.
void levelScript11(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 3);
    primaAndCat(L, Vector{1.0f, -10.0f}, 90, 1, 1, 1);
    L.landmarks();
    L.talentRing(Vector{1.0f, -10.0f}, 3.0f, 30);
    L.museRing(Vector{-6.0f, 2.0f}, 4.0f, 17);
    L.museRing(Vector{8.0f, 4.0f}, 4.0f, 17);
    L.ballerinaRing(Vector{-6.0f, 2.0f}, 1.0f, 3, traits(O, 90, 1, 0, 1, 2, 1, Vector{-6.0f, 2.0f}));
    L.ballerinaRing(Vector{8.0f, 4.0f}, 1.0f, 3, traits(O, 90, 1, 0, 1, 2, 2, Vector{8.0f, 4.0f}));
}

// A grid of muse lines with two gathering trios north and south.
void levelScript12(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 4);
    primaAndCat(L, Vector{}, 90, 2, 2, 2);
    L.landmarks();
    L.talentRing(Vector{-8.0f, 0.0f}, 2.0f, 15);
    L.talentRing(Vector{8.0f, 0.0f}, 2.0f, 15);
    L.museLine(Vector{-10.0f, 4.0f}, Vector{10.0f, 4.0f}, 9);
    L.museLine(Vector{-10.0f, -4.0f}, Vector{10.0f, -4.0f}, 9);
    L.museLine(Vector{-4.0f, -12.0f}, Vector{-4.0f, 12.0f}, 8);
    L.museLine(Vector{4.0f, -12.0f}, Vector{4.0f, 12.0f}, 8);
    L.ballerinaRing(Vector{0.0f, 8.0f}, 1.0f, 3, traits(O, 85, 1, 1, 1, 7, 1, Vector{0.0f, 8.0f}));
    L.ballerinaRing(Vector{0.0f, -8.0f}, 1.0f, 3, traits(O, 85, 1, 1, 1, 7, 2, Vector{0.0f, -8.0f}));
}

// A fully talented Prima against one fast unnamed dancer, four muses and four
// talent gardens.
void levelScript13(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 0);
    primaAndCat(L, Vector{1.0f, -1.0f}, 90, 3, 3, 3);
    L.placeDancer(at5(6.0f, 6.0f), traits(Q, 100, 0, 0, 0, 1, 0));
    L.placeMuse(Vector{0.0f, 7.0f, 0.5f});
    L.placeMuse(Vector{7.0f, 0.0f, 0.5f});
    L.placeMuse(Vector{0.0f, -7.0f, 0.5f});
    L.placeMuse(Vector{-7.0f, 0.0f, 0.5f});
    L.landmarks();
    L.talentRing(Vector{3.5f, 3.5f}, 1.5f, 8);
    L.talentRing(Vector{-3.5f, 3.5f}, 1.5f, 8);
    L.talentRing(Vector{-3.5f, -3.5f}, 1.5f, 8);
    L.talentRing(Vector{3.5f, -3.5f}, 1.5f, 8);
}

// A square of muses around a talent ring and three dancers; two must be happy.
void levelScript14(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 2);
    primaAndCat(L, Vector{1.0f, -4.0f}, 30, 1, 1, 1);
    L.placeDancer(at5(-5.0f, 5.0f), traits(O, 90, 1, 1, 1, 1, 0));
    L.placeDancer(at5(5.0f, 5.0f), traits(O, 90, 1, 1, 1, 1, 0));
    L.placeDancer(at5(0.0f, 10.0f), traits(O, 90, 1, 1, 1, 1, 0));
    L.landmarks();
    L.talentRing(Vector{0.0f, 3.0f}, 4.0f, 30);
    L.museLine(Vector{-8.0f, -5.0f}, Vector{8.0f, -5.0f}, 8);
    L.museLine(Vector{8.0f, -5.0f}, Vector{8.0f, 11.0f}, 8);
    L.museLine(Vector{8.0f, 11.0f}, Vector{-8.0f, 11.0f}, 8);
    L.museLine(Vector{-8.0f, 11.0f}, Vector{-8.0f, -5.0f}, 8);
}

// Eight dancers in a wide ring; the Prima starts weak in the middle.
void levelScript15(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 4);
    primaAndCat(L, Vector{}, 30, 1, 1, 1);
    L.landmarks();
    L.talentRing(Vector{}, 4.0f, 30);
    L.museRing(Vector{}, 11.0f, 34);
    L.ballerinaRing(Vector{}, 7.0f, 8, traits(O, 80, 1, 1, 1, 3, 0));
}

// A guarded ring around a 'p' dancer, a lone fast 'q' and four muse rows; the
// cat starts nearly spent.
void levelScript16(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 5);
    L.placePrima(Vector{1.0f, -11.0f}, 100, 2, 2, 2);
    L.placeCat(Vector{1.0f, -11.0f}, 20, 2, 2, 2);
    L.ballerinaRing(Vector{0.0f, 4.0f}, 2.0f, 5, traits(O, 90, 1, 1, 1, 2, 1, Vector{0.0f, 4.0f}));
    L.placeDancer(at5(0.0f, 4.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(8.0f, 8.0f), traits(Q, 100, 0, 0, 0, 1, 0));
    L.landmarks();
    L.talentRing(Vector{1.0f, -11.0f}, 3.0f, 30);
    for (float y : {-7.0f, -3.0f, 9.0f, 12.0f}) L.museLine(Vector{-8.0f, y}, Vector{8.0f, y}, 8);
}

// Two guarded rings, each with a 'p' dancer in its centre, west and east.
void levelScript17(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 5);
    L.placePrima(Vector{}, 100, 2, 2, 2);
    L.placeCat(Vector{}, 20, 2, 2, 2);
    L.ballerinaRing(Vector{-7.0f, 0.0f}, 1.8f, 5, traits(O, 90, 1, 1, 1, 2, 1, Vector{-7.0f, 0.0f}));
    L.ballerinaRing(Vector{7.0f, 0.0f}, 1.8f, 5, traits(O, 90, 1, 1, 1, 2, 2, Vector{7.0f, 0.0f}));
    L.placeDancer(at5(-7.0f, 0.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(7.0f, 0.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.landmarks();
    L.talentRing(Vector{0.0f, 7.0f}, 3.0f, 15);
    L.talentRing(Vector{0.0f, -7.0f}, 3.0f, 15);
    L.museRing(Vector{-7.0f, 0.0f}, 4.5f, 17);
    L.museRing(Vector{7.0f, 0.0f}, 4.5f, 17);
}

// Two gathering rings and a northern row; ten of fifteen must be happy.
void levelScript18(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(0, 0, 10);
    primaAndCat(L, Vector{1.0f, -5.0f}, 100, 2, 2, 2);
    L.ballerinaRing(Vector{-7.0f, 5.0f}, 1.5f, 5, traits(O, 90, 1, 1, 1, 7, 1, Vector{-7.0f, 5.0f}));
    L.ballerinaRing(Vector{7.0f, 5.0f}, 1.5f, 5, traits(O, 90, 1, 1, 1, 7, 2, Vector{7.0f, 5.0f}));
    L.ballerinaLine(Vector{-8.0f, 12.0f}, Vector{12.0f, 12.0f}, 5, traits(O, 70, 1, 1, 1, 3, 0));
    L.placeDancer(at5(-7.0f, 5.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.placeDancer(at5(7.0f, 5.0f), traits(P, 90, 0, 0, 0, 1, 0, Vector{}, 45.0f));
    L.museLine(Vector{-8.0f, -10.0f}, Vector{8.0f, -10.0f}, 8);
    L.landmarks();
    L.talentRing(Vector{1.0f, -5.0f}, 3.0f, 30);
}

// Two rows of six below a northern start; every one must be happy.
void levelScript19(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(12, 0, 12);
    primaAndCat(L, Vector{0.0f, 8.0f}, 30, 0, 0, 0);
    startTalents(L, Vector{0.0f, 8.0f});
    L.landmarks();
    L.ballerinaLine(Vector{-10.0f, 0.0f}, Vector{10.0f, 0.0f}, 6, traits(O, 80, 0, 0, 0, 3, 0));
    L.ballerinaLine(Vector{-10.0f, -6.0f}, Vector{10.0f, -6.0f}, 6, traits(O, 80, 0, 0, 0, 3, 0));
    L.museLine(Vector{-12.0f, -12.0f}, Vector{12.0f, -12.0f}, 12);
}

// Two rows of eight between the start and two rows of muses.
void levelScript20(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(16, 0, 16);
    primaAndCat(L, Vector{0.0f, 8.0f}, 30, 0, 0, 0);
    startTalents(L, Vector{0.0f, 8.0f});
    L.landmarks();
    L.ballerinaLine(Vector{-12.0f, 0.0f}, Vector{12.0f, 0.0f}, 8, traits(O, 80, 1, 0, 0, 3, 0));
    L.ballerinaLine(Vector{-12.0f, -5.0f}, Vector{12.0f, -5.0f}, 8, traits(O, 80, 0, 0, 1, 3, 0));
    L.museLine(Vector{-12.0f, -10.0f}, Vector{12.0f, -10.0f}, 12);
    L.museLine(Vector{-12.0f, -14.0f}, Vector{12.0f, -14.0f}, 12);
}

// A ring of twenty inside a square of muses, the start just outside it.
void levelScript21(LevelSheet& L) {
    L.setCursor(1);
    L.setGoals(20, 0, 20);
    primaAndCat(L, Vector{0.0f, 8.0f}, 30, 0, 0, 0);
    startTalents(L, Vector{0.0f, 8.0f});
    L.landmarks();
    L.ballerinaRing(Vector{0.0f, -2.0f}, 6.0f, 20, traits(O, 85, 1, 1, 1, 3, 0));
    L.museLine(Vector{-9.0f, -11.0f}, Vector{9.0f, -11.0f}, 9);
    L.museLine(Vector{9.0f, -11.0f}, Vector{9.0f, 7.0f}, 9);
    L.museLine(Vector{9.0f, 7.0f}, Vector{-9.0f, 7.0f}, 9);
    L.museLine(Vector{-9.0f, 7.0f}, Vector{-9.0f, -11.0f}, 9);
}
