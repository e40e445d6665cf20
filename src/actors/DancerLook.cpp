#include "actors/DancerLook.h"

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// Parts 1 to 10 (hair, ornament, bodice, tutu, lining, sash, skin, tights,
// shoes, gloves), then the eye colour and the stage background.
struct LookTable {
    Rgb parts[Costume::partCount];
    Rgb colour;
    Rgb background;
};

// Eleven looks told apart by the bodice and tutu first, then hair and skin.
constexpr LookTable namedLooks[dancerLookCount] = {
    // rose
    {{{235, 200, 110}, {255, 240, 245}, {232, 96, 140}, {255, 170, 200}, {255, 214, 228},
      {200, 40, 90}, {255, 220, 190}, {255, 228, 236}, {240, 150, 180}, {255, 236, 242}},
     {60, 110, 200}, {48, 16, 32}},
    // lilac
    {{{70, 40, 25}, {250, 240, 255}, {150, 100, 210}, {200, 170, 240}, {230, 215, 250},
      {110, 60, 170}, {224, 172, 125}, {240, 232, 250}, {180, 150, 225}, {236, 228, 250}},
     {90, 60, 30}, {30, 20, 48}},
    // teal
    {{{40, 30, 30}, {230, 255, 250}, {20, 150, 150}, {120, 210, 200}, {200, 240, 235},
      {0, 100, 110}, {198, 134, 86}, {225, 245, 240}, {60, 170, 165}, {220, 245, 242}},
     {50, 30, 20}, {8, 36, 40}},
    // gold
    {{{160, 70, 40}, {255, 250, 220}, {220, 170, 40}, {250, 215, 110}, {255, 240, 190},
      {180, 120, 20}, {241, 194, 156}, {255, 244, 214}, {230, 190, 80}, {255, 246, 222}},
     {40, 120, 60}, {44, 32, 8}},
    // coral
    {{{40, 30, 30}, {255, 245, 235}, {245, 110, 85}, {255, 170, 140}, {255, 220, 205},
      {210, 70, 50}, {141, 85, 54}, {255, 232, 222}, {240, 140, 110}, {255, 236, 228}},
     {60, 35, 20}, {48, 18, 12}},
    // sky
    {{{190, 60, 40}, {240, 248, 255}, {70, 140, 230}, {150, 200, 250}, {215, 235, 255},
      {40, 90, 190}, {255, 205, 178}, {228, 240, 255}, {110, 165, 235}, {232, 242, 255}},
     {40, 120, 60}, {10, 24, 50}},
    // mint
    {{{110, 60, 30}, {245, 255, 245}, {80, 190, 120}, {160, 230, 180}, {220, 250, 228},
      {40, 140, 80}, {255, 220, 190}, {232, 250, 236}, {110, 200, 140}, {236, 252, 240}},
     {70, 50, 30}, {12, 40, 20}},
    // plum
    {{{40, 30, 30}, {250, 230, 245}, {130, 40, 100}, {190, 100, 160}, {235, 200, 225},
      {90, 20, 70}, {224, 172, 125}, {240, 220, 235}, {160, 70, 130}, {242, 226, 238}},
     {50, 30, 20}, {36, 10, 30}},
    // crimson
    {{{70, 40, 25}, {255, 235, 200}, {200, 30, 50}, {240, 90, 100}, {255, 200, 205},
      {140, 10, 30}, {241, 194, 156}, {250, 225, 228}, {210, 50, 70}, {250, 230, 232}},
     {60, 40, 20}, {44, 8, 12}},
    // ivory
    {{{40, 30, 30}, {220, 190, 110}, {245, 238, 220}, {255, 250, 240}, {235, 225, 200},
      {200, 180, 140}, {198, 134, 86}, {250, 245, 235}, {230, 215, 185}, {255, 252, 245}},
     {40, 30, 20}, {36, 34, 28}},
    // midnight
    {{{235, 200, 110}, {230, 230, 255}, {40, 50, 110}, {90, 100, 170}, {170, 180, 230},
      {20, 25, 70}, {255, 205, 178}, {210, 214, 235}, {60, 70, 140}, {215, 220, 240}},
     {40, 80, 160}, {8, 10, 30}},
};

// Slate and white: the calm dancers who stop throwers. Their ninth part
// colours their calming zone, a pale silver blue that shows on any floor.
constexpr LookTable guardianTable = {
    {{60, 60, 65}, {240, 240, 245}, {110, 120, 135}, {175, 185, 200}, {225, 230, 238},
     {70, 80, 95}, {241, 194, 156}, {200, 205, 215}, {205, 220, 255}, {220, 224, 232}},
    {30, 30, 40}, {20, 22, 26}};

// Orange and black: the fast unnamed throwers.
constexpr LookTable racerTable = {
    {{30, 25, 25}, {255, 240, 120}, {250, 120, 20}, {255, 180, 60}, {255, 230, 150},
     {30, 30, 30}, {198, 134, 86}, {60, 50, 45}, {20, 20, 20}, {255, 200, 120}},
    {255, 210, 60}, {40, 20, 4}};

Colour opaque(const Rgb& c) { return Colour{c.r, c.g, c.b, 100}; }

DancerLook fromTable(const LookTable& table) {
    DancerLook look;
    for (int i = 0; i < Costume::partCount; ++i) {
        const Rgb& c = table.parts[i];
        look.costume.parts[i] = CostumePart{c.r, c.g, c.b, 100, 1};
    }
    look.colour = opaque(table.colour);
    look.background = opaque(table.background);
    return look;
}

}  // namespace

DancerLook namedDancerLook(int set) {
    int index = set % dancerLookCount;
    if (index < 0) index += dancerLookCount;
    return fromTable(namedLooks[index]);
}

DancerLook guardianLook() { return fromTable(guardianTable); }

DancerLook racerLook() { return fromTable(racerTable); }
