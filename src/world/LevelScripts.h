#pragma once

#include <cstdint>

#include "world/LevelSheet.h"

// The scripts of every level. A script sets the cursor to 1, names the goals
// and writes its entries through the LevelSheet writers.
//
// Scripted levels: 0..34, 52, 54, 56, 58, 59. The game plays 1..9 (the city
// dances) and 34 (the guided first dance); the others are kept for tools and
// later use.

bool hasLevelScript(std::uint8_t level);
// Runs the level's script on the layout (level 56 twice: its second run
// overwrites the first from entry 3 on). False for a level without a script.
bool runLevelScript(LevelSheet& layout, std::uint8_t level);

// LevelScripts.cpp: the warm-up, the nine city dances and the guided dance.
void levelScript0(LevelSheet& L);
void levelScript1(LevelSheet& L);
void levelScript2(LevelSheet& L);
void levelScript3(LevelSheet& L);
void levelScript4(LevelSheet& L);
void levelScript5(LevelSheet& L);
void levelScript6(LevelSheet& L);
void levelScript7(LevelSheet& L);
void levelScript8(LevelSheet& L);
void levelScript9(LevelSheet& L);
void levelScript34(LevelSheet& L);

// LevelScriptsExtra.cpp: levels 10..21.
void levelScript10(LevelSheet& L);
void levelScript11(LevelSheet& L);
void levelScript12(LevelSheet& L);
void levelScript13(LevelSheet& L);
void levelScript14(LevelSheet& L);
void levelScript15(LevelSheet& L);
void levelScript16(LevelSheet& L);
void levelScript17(LevelSheet& L);
void levelScript18(LevelSheet& L);
void levelScript19(LevelSheet& L);
void levelScript20(LevelSheet& L);
void levelScript21(LevelSheet& L);

// LevelScriptsLate.cpp: levels 22..33 and the muse and challenge levels.
void levelScript22(LevelSheet& L);
void levelScript23(LevelSheet& L);
void levelScript24(LevelSheet& L);
void levelScript25(LevelSheet& L);
void levelScript26(LevelSheet& L);
void levelScript27(LevelSheet& L);
void levelScript28(LevelSheet& L);
void levelScript29(LevelSheet& L);
void levelScript30(LevelSheet& L);
void levelScript31(LevelSheet& L);
void levelScript32(LevelSheet& L);
void levelScript33(LevelSheet& L);
void levelScript52(LevelSheet& L);
void levelScript54(LevelSheet& L);
void levelScript56(LevelSheet& L);
void levelScript58(LevelSheet& L);
void levelScript59(LevelSheet& L);
