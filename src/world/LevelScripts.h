#pragma once

#include <cstdint>

#include "world/LevelLayout.h"

// The scripts of every level. A script sets the cursor to 1, names the goals
// and writes its entries through the LevelLayout writers.
//
// Scripted levels: 0..34, 52, 54, 56, 58, 59. The game plays 1..9 (the city
// dances) and 34 (the guided first dance); the others are kept for tools and
// later use.

bool hasLevelScript(std::uint8_t level);
// Runs the level's script on the layout (level 56 twice: its second run
// overwrites the first from entry 3 on). False for a level without a script.
bool runLevelScript(LevelLayout& layout, std::uint8_t level);

// Shorthand for the scripts' ballerina formations.
DancerTraits traits(std::uint8_t kind, std::uint8_t energy, std::uint8_t blue, std::uint8_t green,
                    std::uint8_t red, std::uint8_t groupType, std::uint8_t groupNumber, Vector home = Vector{},
                    float angle = 0.0f);

// LevelScripts.cpp: the warm-up, the nine city dances and the guided dance.
void levelScript0(LevelLayout& L);
void levelScript1(LevelLayout& L);
void levelScript2(LevelLayout& L);
void levelScript3(LevelLayout& L);
void levelScript4(LevelLayout& L);
void levelScript5(LevelLayout& L);
void levelScript6(LevelLayout& L);
void levelScript7(LevelLayout& L);
void levelScript8(LevelLayout& L);
void levelScript9(LevelLayout& L);
void levelScript34(LevelLayout& L);

// LevelScriptsExtra.cpp: levels 10..21.
void levelScript10(LevelLayout& L);
void levelScript11(LevelLayout& L);
void levelScript12(LevelLayout& L);
void levelScript13(LevelLayout& L);
void levelScript14(LevelLayout& L);
void levelScript15(LevelLayout& L);
void levelScript16(LevelLayout& L);
void levelScript17(LevelLayout& L);
void levelScript18(LevelLayout& L);
void levelScript19(LevelLayout& L);
void levelScript20(LevelLayout& L);
void levelScript21(LevelLayout& L);

// LevelScriptsLate.cpp: levels 22..33 and the muse and challenge levels.
void levelScript22(LevelLayout& L);
void levelScript23(LevelLayout& L);
void levelScript24(LevelLayout& L);
void levelScript25(LevelLayout& L);
void levelScript26(LevelLayout& L);
void levelScript27(LevelLayout& L);
void levelScript28(LevelLayout& L);
void levelScript29(LevelLayout& L);
void levelScript30(LevelLayout& L);
void levelScript31(LevelLayout& L);
void levelScript32(LevelLayout& L);
void levelScript33(LevelLayout& L);
void levelScript52(LevelLayout& L);
void levelScript54(LevelLayout& L);
void levelScript56(LevelLayout& L);
void levelScript58(LevelLayout& L);
void levelScript59(LevelLayout& L);
